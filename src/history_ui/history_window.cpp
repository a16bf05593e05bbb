// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_ui/history_window.h"

#include "history/band_activity.h"
#include "history/contact_check.h"
#include "history/contact_log.h"
#include "history/heard_activity.h"
#include "history/history_export.h"
#include "history/history_log.h"
#include "history_ui/history_chart.h"
#include "history_ui/model_check_panel.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const char* const kSpanLabels[] = {
    QT_TRANSLATE_NOOP("HistoryWindow", "6 時間"), QT_TRANSLATE_NOOP("HistoryWindow", "24 時間"),
    QT_TRANSLATE_NOOP("HistoryWindow", "7 日"), QT_TRANSLATE_NOOP("HistoryWindow", "30 日")};

} // namespace

HistoryWindow::HistoryWindow(std::function<HistoryLog*()> log, QWidget* parent)
    : QWidget(parent, Qt::Window), m_log(std::move(log))
{
    setWindowTitle(tr("履歴"));
    setAttribute(Qt::WA_AlwaysShowToolTips); // hovering works without focus too
    resize(900, 480);
    // One Japanese face for kana and digits alike, where one is installed.
    QFont face = font();
    face.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("VL PGothic"), face.family()});
    setFont(face);
    nowUtc = [] { return QDateTime::currentDateTimeUtc(); };
    chooseCsvFile = [this](const QString& proposed) {
        return QFileDialog::getSaveFileName(this, tr("CSV保存"), proposed,
                                            QStringLiteral("CSV (*.csv)"));
    };
    // Closes like a dialog.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    spanBox = new QComboBox(this);
    for (const char* label : kSpanLabels)
        spanBox->addItem(tr(label));
    spanBox->setCurrentIndex(static_cast<int>(ChartSpan::Hours24));
    viewBox = new QComboBox(this);
    viewBox->addItem(QStringLiteral("Es"));
    viewBox->addItem(QStringLiteral("Fmax / Fmin"));
    saveButton = new QPushButton(tr("CSV保存…"), this);
    mapButton = new QPushButton(tr("Es マップ…"), this);
    mapButton->hide();
    checkButton = new QPushButton(tr("モデル検証"), this);
    checkButton->setCheckable(true);
    checkButton->hide();
    chart = new HistoryChart(this);
    checkPanel = new ModelCheckPanel(this);
    checkPanel->hide();

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("期間"), this));
    bar->addWidget(spanBox);
    bar->addSpacing(12);
    bar->addWidget(new QLabel(tr("表示"), this));
    bar->addWidget(viewBox);
    bar->addStretch(1);
    bar->addWidget(checkButton);
    bar->addWidget(mapButton);
    bar->addWidget(saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    auto* body = new QHBoxLayout;
    body->addWidget(chart, 1);
    body->addWidget(checkPanel);
    layout->addLayout(body, 1);

    connect(spanBox, &QComboBox::currentIndexChanged, this, [this] { reload(); });
    connect(viewBox, &QComboBox::currentIndexChanged, this, [this] { reload(); });
    connect(checkButton, &QPushButton::toggled, this, [this](bool on) {
        checkPanel->setVisible(on);
        if (on)
            showCheck(m_shown.value_or(shownFilter()));
    });
    connect(checkPanel, &ModelCheckPanel::bandChanged, this,
            [this] { showCheck(m_shown.value_or(shownFilter())); });
    connect(saveButton, &QPushButton::clicked, this, [this] { onSave(); });
    connect(mapButton, &QPushButton::clicked, this, [this] {
        if (m_openMap)
            m_openMap();
    });
}

void HistoryWindow::offerMap(std::function<void()> open)
{
    m_openMap = std::move(open);
    mapButton->setVisible(static_cast<bool>(m_openMap));
}

void HistoryWindow::showContacts(ContactLog* contacts, std::function<QString()> homeLocator)
{
    m_contacts = contacts;
    m_homeLocator = std::move(homeLocator);
    checkButton->setVisible(contacts != nullptr);
    if (contacts)
        connect(contacts, &ContactLog::changed, this, [this] {
            if (isVisible())
                reload();
        });
}

void HistoryWindow::showCheck(const HistoryFilter& shown)
{
    if (!m_contacts || checkPanel->isHidden())
        return;
    // A quarter hour at the span's start is judged by the page before it.
    const HistoryFilter pages{
        shown.since->addSecs(-ReadingTimeline::kLongestAgeMinutes * 60), shown.until, {}};
    HistoryLog* log = m_log ? m_log() : nullptr;
    checkPanel->showCheck(checkContacts(
        *m_contacts,
        log ? loggedActivity(*log, {shown.since, shown.until, {}}) : std::vector<Activity>(),
        read(pages), checkPanel->bandMHz(), m_homeLocator ? m_homeLocator() : QString(),
        *shown.since, *shown.until));
}

void HistoryWindow::setSpan(ChartSpan span)
{
    spanBox->setCurrentIndex(static_cast<int>(span));
}

void HistoryWindow::setView(ChartView view)
{
    viewBox->setCurrentIndex(static_cast<int>(view));
}

ChartSpan HistoryWindow::span() const
{
    return kChartSpans[std::clamp(spanBox->currentIndex(), 0, 3)];
}

ChartView HistoryWindow::view() const
{
    return viewBox->currentIndex() == 1 ? ChartView::FmaxFmin : ChartView::Es;
}

HistoryFilter HistoryWindow::shownFilter() const
{
    const QDateTime until = nowUtc().toUTC();
    return {until.addSecs(-spanSeconds(span())), until, {}};
}

std::vector<PageRecord> HistoryWindow::read(const HistoryFilter& filter) const
{
    HistoryLog* log = m_log ? m_log() : nullptr;
    return log ? log->read(filter) : std::vector<PageRecord>();
}

void HistoryWindow::reload()
{
    const HistoryFilter filter = shownFilter();
    m_shown = filter;
    std::vector<PageRecord> records = read(filter);
    ChartData data = prepareChart(records, view(), filter.since->toSecsSinceEpoch(),
                                  filter.until->toSecsSinceEpoch(), HistoryChart::leastTop(view()));
    chart->setData(std::move(records), std::move(data), view());
    // Under the curves: contacts and decodes per quarter hour, when there
    // are any to show.
    const qint64 from = filter.since->toSecsSinceEpoch(), to = filter.until->toSecsSinceEpoch();
    HistoryLog* log = m_log ? m_log() : nullptr;
    BandActivity activity{m_contacts ? contactSlots(m_contacts->contacts(), from, to)
                                     : SlotCounts(),
                          log ? decodeSlots(*log, from, to) : SlotCounts()};
    const bool decodes =
        std::ranges::any_of(activity.decodes, [](const auto& band) { return !band.empty(); });
    chart->setActivity(m_contacts || decodes ? std::optional(std::move(activity)) : std::nullopt);
    showCheck(filter);
}

QByteArray HistoryWindow::shownCsv() const
{
    return historyCsv(read(m_shown.value_or(shownFilter())));
}

QString HistoryWindow::proposedCsvPath() const
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir folder(QFileInfo(documents).isDir() ? documents : QDir::homePath());
    const QString stamp =
        HistoryChart::jstText(nowUtc().toSecsSinceEpoch(), QStringLiteral("yyyyMMdd-HHmm"));
    return folder.filePath(QStringLiteral("ondrel-history-%1.csv").arg(stamp));
}

bool HistoryWindow::saveCsv(const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(shownCsv());
    return file.commit();
}

void HistoryWindow::onSave()
{
    const QString path = chooseCsvFile(proposedCsvPath());
    if (path.isEmpty())
        return;
    if (!saveCsv(path))
        QMessageBox::warning(this, tr("CSV保存"), tr("%1 に書き込めませんでした").arg(path));
}
