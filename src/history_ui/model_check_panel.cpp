// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_ui/model_check_panel.h"

#include "reach/mirror_model.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString shareText(std::optional<double> share)
{
    return share ? QString::number(*share, 'f', 2) : QStringLiteral("–");
}

QString tableHtml(const QString& title, const Contingency& table)
{
    const auto cell = [](int n) { return QStringLiteral("<td align=right>%1</td>").arg(n); };
    return QStringLiteral("<p><b>%1</b></p><table cellspacing=0 cellpadding=3 border=1>"
                          "<tr><td></td><th>%2</th><th>%3</th></tr>"
                          "<tr><th align=left>%4</th>%5%6</tr>"
                          "<tr><th align=left>%7</th>%8%9</tr></table>"
                          "<p>POD %10 &nbsp; FAR %11 &nbsp; CSI %12</p>")
        .arg(title, ModelCheckPanel::tr("聞こえた"), ModelCheckPanel::tr("聞こえない"),
             ModelCheckPanel::tr("開と予報"), cell(table.hits), cell(table.falseAlarms),
             ModelCheckPanel::tr("閉と予報"), cell(table.misses), cell(table.correctNegatives))
        .arg(shareText(table.probabilityOfDetection()), shareText(table.falseAlarmRatio()),
             shareText(table.criticalSuccessIndex()));
}

QString checkHtml(const ModelCheck& check)
{
    const QString paths =
        check.esRangePaths > 0
            ? ModelCheckPanel::tr("Es 圏内の経路 %1 本のうち、マップが開と言ったもの %2 本 (%3)")
                  .arg(check.esRangePaths)
                  .arg(check.pathsCalledOpen)
                  .arg(shareText(static_cast<double>(check.pathsCalledOpen) / check.esRangePaths))
            : ModelCheckPanel::tr("Es 圏内の経路はありません");
    return ModelCheckPanel::tr("バンドに出ていた 15 分枠: %1 (うちデータなし %2)")
               .arg(check.slotsOnBand)
               .arg(check.slotsWithoutReading) +
           tableHtml(ModelCheckPanel::tr("Es マップ"), check.map) +
           tableHtml(ModelCheckPanel::tr("持続 (前の枠が聞こえたら開)"), check.persistence) +
           QStringLiteral("<p>%1</p>").arg(paths);
}

} // namespace

ModelCheckPanel::ModelCheckPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    bandBox = new QComboBox(this);
    for (int mhz : kBandsMHz)
        bandBox->addItem(QStringLiteral("%1 MHz").arg(mhz));
    bandBox->setCurrentIndex(1);
    table = new QLabel(this);
    table->setTextFormat(Qt::RichText);
    table->setWordWrap(true);
    table->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    table->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* note = new QLabel(tr("交信した 15 分枠ごとに、Es 圏内の局と交信できたかと、その時の"
                               "マップが開と言ったかを数えます。この単純なモデルの当たり具合"
                               "で、Es そのものを測るものではありません。"),
                            this);
    note->setWordWrap(true);

    auto* bandRow = new QHBoxLayout;
    bandRow->addWidget(new QLabel(tr("バンド"), this));
    bandRow->addWidget(bandBox);
    bandRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("<b>%1</b>").arg(tr("モデル検証")), this);
    layout->addWidget(title);
    layout->addLayout(bandRow);
    layout->addWidget(table);
    layout->addWidget(note);
    layout->addStretch(1);
    setFixedWidth(290);

    connect(bandBox, &QComboBox::currentIndexChanged, this, &ModelCheckPanel::bandChanged);
}

int ModelCheckPanel::bandMHz() const
{
    return kBandsMHz[std::clamp(bandBox->currentIndex(), 0, kBandCount - 1)];
}

void ModelCheckPanel::showCheck(const std::optional<ModelCheck>& check)
{
    table->setText(check ? checkHtml(*check)
                         : tr("自局ロケーターがありません: Es マップで入れてください"));
}
