// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace {

QLabel* smallLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label->setFont(small);
    return label;
}

} // namespace

SettingsWindow::SettingsWindow(std::vector<SettingRow> rows, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Dialog), m_mainWindow(mainWindow)
{
    setWindowTitle(tr("設定"));
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    m_lines.resize(rows.size());
    for (size_t n = 0; n < rows.size(); ++n) {
        Line& line = m_lines[n];
        line.row = std::move(rows[n]);
        const int top = static_cast<int>(n) * 3;
        QWidget* field = makeField(line, static_cast<int>(n));
        auto* label = new QLabel(settingLabel(line.row), this);
        label->setBuddy(field);
        grid->addWidget(label, top, 0);
        grid->addWidget(field, top, 1, Qt::AlignLeft);
        line.hint = smallLabel(this);
        line.hint->setText(settingHint(line.row));
        line.hint->setForegroundRole(QPalette::PlaceholderText);
        grid->addWidget(line.hint, top + 1, 1);
        line.message = smallLabel(this);
        line.message->setWordWrap(true);
        QPalette red = line.message->palette();
        red.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
        line.message->setPalette(red);
        line.message->hide();
        grid->addWidget(line.message, top + 2, 1);
        field->setAccessibleName(settingLabel(line.row));
        field->setAccessibleDescription(line.hint->text());
        grid->setRowMinimumHeight(top + 2, 6);
    }
    grid->setColumnStretch(1, 1);

    auto* close = new QPushButton(tr("閉じる"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
    showStored();
}

QWidget* SettingsWindow::makeField(Line& line, int index)
{
    const SettingForm& form = line.row.meaning.form;
    switch (form.kind) {
    case SettingForm::Kind::Switch: {
        auto* box = new QCheckBox(this);
        connect(box, &QCheckBox::clicked, this, [this, index](bool on) {
            commit(index, on ? QStringLiteral("1") : QStringLiteral("0"));
        });
        line.field = box;
        break;
    }
    case SettingForm::Kind::Choice: {
        auto* box = new QComboBox(this);
        for (const SettingChoice& choice : form.choices)
            box->addItem(choiceLabel(choice), choice.value);
        connect(box, &QComboBox::activated, this, [this, index, box](int chosen) {
            commit(index, box->itemData(chosen).toString());
        });
        line.field = box;
        break;
    }
    default: {
        auto* edit = new QLineEdit(this);
        if (form.kind == SettingForm::Kind::Number) {
            edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
        } else {
            edit->setPlaceholderText(line.row.meaning.missing);
            edit->setMinimumWidth(
                fontMetrics().horizontalAdvance(QStringLiteral("https://").repeated(4)));
        }
        connect(edit, &QLineEdit::editingFinished, this,
                [this, index, edit] { commit(index, edit->text()); });
        line.field = edit;
        break;
    }
    }
    return line.field;
}

QRect besideWindow(const QRect& main, QSize size, const QRect& room)
{
    constexpr int kGap = 8;
    QRect placed(QPoint(main.right() + 1 + kGap, main.top()), size);
    if (placed.right() > room.right()) {
        const QRect left(QPoint(main.left() - kGap - size.width(), main.top()), size);
        // Where neither side has room, the side with more of it.
        if (left.left() >= room.left() || main.left() - room.left() > room.right() - main.right())
            placed = left;
    }
    placed.moveRight(std::min(placed.right(), room.right()));
    placed.moveBottom(std::min(placed.bottom(), room.bottom()));
    placed.moveLeft(std::max(placed.left(), room.left()));
    placed.moveTop(std::max(placed.top(), room.top()));
    return placed;
}

void SettingsWindow::open()
{
    if (!isVisible()) {
        showStored();
        ensurePolished();
        adjustSize();
        // Beside the main window, so a change is seen taking effect there,
        // on its screen.
        const QRect main = m_mainWindow->frameGeometry();
        QSize size = frameGeometry().size();
        // Before it is first shown the desktop has not told its frame: the
        // main window's will be much the same.
        if (size == this->size())
            size += main.size() - m_mainWindow->size();
        const QScreen* screen = m_mainWindow->screen();
        move(screen ? besideWindow(main, size, screen->availableGeometry()).topLeft()
                    : main.topRight());
    }
    show();
    raise();
    activateWindow();
}

void SettingsWindow::showStored()
{
    for (Line& line : m_lines) {
        showValue(line);
        tell(line, {});
    }
}

void SettingsWindow::showValue(Line& line)
{
    const QString value = valueInUse(line.row);
    if (auto* box = qobject_cast<QCheckBox*>(line.field)) {
        box->setChecked(switchedOn(value));
    } else if (auto* box = qobject_cast<QComboBox*>(line.field)) {
        for (int n = 0; n < box->count(); ++n) {
            if (box->itemData(n).toString().compare(value, Qt::CaseInsensitive) == 0)
                box->setCurrentIndex(n);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(line.field)) {
        edit->setText(value);
    }
}

void SettingsWindow::commit(int index, const QString& typed)
{
    Line& line = m_lines[static_cast<size_t>(index)];
    const SettingInput input = readInput(line.row, typed);
    if (!input.refusal.isEmpty()) {
        tell(line, input.refusal);
        return;
    }
    tell(line, {});
    if (input.value == valueInUse(line.row))
        return;
    const QString failure = line.row.write(input.value);
    if (!failure.isEmpty()) {
        tell(line, failure);
        showValue(line);
        return;
    }
    emit changed(line.row.meaning.key);
}

void SettingsWindow::tell(Line& line, const QString& message)
{
    const bool wasShown = line.message->isVisibleTo(this);
    line.message->setText(message);
    line.message->setVisible(!message.isEmpty());
    // The room a refusal took goes with it.
    if (wasShown && message.isEmpty() && isVisible()) {
        layout()->activate();
        resize(width(), hasHeightForWidth() ? heightForWidth(width()) : sizeHint().height());
    }
    // A screen reader hears why the value was refused with the field.
    line.field->setAccessibleDescription(
        message.isEmpty() ? line.hint->text() : message + QStringLiteral(" ") + line.hint->text());
}

const SettingsWindow::Line* SettingsWindow::lineFor(const QString& key) const
{
    for (const Line& line : m_lines) {
        if (line.row.meaning.key == key)
            return &line;
    }
    return nullptr;
}

QWidget* SettingsWindow::field(const QString& key) const
{
    const Line* line = lineFor(key);
    return line ? line->field : nullptr;
}

QLabel* SettingsWindow::message(const QString& key) const
{
    const Line* line = lineFor(key);
    return line ? line->message : nullptr;
}
