// SPDX-License-Identifier: GPL-3.0-or-later
#include "map_ui/es_map_window.h"

#include "core/page/page_time.h"
#include "core/page/readout_state.h"
#include "core/settings/home_locator.h"
#include "core/settings/program_settings.h"
#include "core/text/locator_text.h"
#include "heard/heard_session.h"
#include "heard/heard_summary.h"
#include "history/contact_log.h"
#include "history/logged_readings.h"
#include "map_ui/es_map_view.h"
#include "map_ui/heard_on_map.h"
#include "reach/band_lines.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QToolTip>
#include <QVBoxLayout>

#include <limits>

namespace {

constexpr qint64 kSteppedSeconds = 24 * 3600;
// The first size, unless the screen is smaller (a 768-pixel laptop): then
// the screen's, less room for the frame, so the locator row stays in view.
constexpr QSize kFirstSize(760, 900);
constexpr QSize kFrameRoom(16, 48);

// The map before any reading: every station without one.
EsReading noReading()
{
    const QString none = QStringLiteral("?");
    const QString undefined = QStringLiteral("UNDEFINE");
    return esReadingFromSignals({}, {none, none, none, none},
                                {undefined, undefined, undefined, undefined});
}

} // namespace

EsMapWindow::EsMapWindow(std::function<HistoryLog*()> log, HomeLocator& home,
                         SettingsStore& settings, QWidget* parent)
    : QWidget(parent, Qt::Window), m_log(std::move(log)), m_home(home), m_settings(settings)
{
    setWindowTitle(tr("Es マップ"));
    QFont face = font();
    face.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("VL PGothic"), face.family()});
    setFont(face);
    nowUtc = [] { return QDateTime::currentDateTimeUtc(); };

    map = new EsMapView(this);
    map->setAccessibleName(tr("Es マップ"));
    linesLabel = new QLabel(this);
    linesLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    olderButton = new QPushButton(QStringLiteral("←"), this);
    olderButton->setAccessibleName(tr("前の記録"));
    olderButton->setToolTip(tr("前の記録 (←)"));
    newerButton = new QPushButton(QStringLiteral("→"), this);
    newerButton->setAccessibleName(tr("次の記録"));
    newerButton->setToolTip(tr("次の記録 (→)"));
    for (QPushButton* button : {olderButton, newerButton})
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("←")) * 4);
    slider = new QSlider(Qt::Horizontal, this);
    slider->setAccessibleName(tr("過去 24 時間の記録"));
    slider->setPageStep(4); // an hour of quarter-hourly pages
    timeLabel = new QLabel(this);
    QFont bold = timeLabel->font();
    bold.setBold(true);
    timeLabel->setFont(bold);
    homeEdit = new QLineEdit(m_home.locator(), this);
    homeEdit->setPlaceholderText(QStringLiteral("PM95vq"));
    homeEdit->setMaxLength(8);
    homeEdit->setFixedWidth(homeEdit->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM")));
    auto* homeLabel = new QLabel(tr("自局ロケーター(&L)"), this);
    homeLabel->setBuddy(homeEdit);
    homeEdit->setAccessibleName(tr("自局ロケーター"));
    homeProblem = new QLabel(this);

    auto* steps = new QHBoxLayout;
    steps->addWidget(timeLabel);
    steps->addWidget(olderButton);
    steps->addWidget(slider, 1);
    steps->addWidget(newerButton);
    auto* homeRow = new QHBoxLayout;
    homeRow->addWidget(homeLabel);
    homeRow->addWidget(homeEdit);
    homeRow->addWidget(homeProblem, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(map, 1);
    layout->addWidget(linesLabel);
    layout->addLayout(steps);
    layout->addLayout(homeRow);
    setTabOrder(map, olderButton);
    setTabOrder(olderButton, slider);
    setTabOrder(slider, newerButton);
    setTabOrder(newerButton, homeEdit);

    connect(olderButton, &QPushButton::clicked, this, [this] { step(-1); });
    connect(newerButton, &QPushButton::clicked, this, [this] { step(+1); });
    connect(slider, &QSlider::valueChanged, this, [this](int value) { showIndex(value); });
    connect(map, &EsMapView::heardMarkClicked, this, &EsMapWindow::showHeardStation);
    connect(homeEdit, &QLineEdit::returnPressed, this, [this] { setHome(homeEdit->text()); });
    connect(homeEdit, &QLineEdit::editingFinished, this, [this] {
        if (homeEdit->text().trimmed() != m_home.locator())
            setHome(homeEdit->text());
    });
    // A text field keeps its own arrows; anywhere else they step.
    const std::pair<QKeySequence, int> keys[] = {{QKeySequence(Qt::Key_Left), -1},
                                                 {QKeySequence(Qt::Key_Right), +1}};
    for (const auto& [key, by] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this, by] { step(by); });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    // The settings window may change the home too.
    connect(&m_home, &HomeLocator::changed, this, &EsMapWindow::followHome);
    restorePlace();
    gather();
}

EsMapWindow::~EsMapWindow()
{
    // Still open as the program ends: its place is kept. The locator field
    // loses the focus later, when this part of the window is gone.
    if (isVisible())
        storePlace();
    homeEdit->disconnect(this);
}

void EsMapWindow::restorePlace()
{
    const std::optional<QRect> stored = ProgramSettings(m_settings).mapGeometry();
    if (!stored) {
        const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
        resize(screen ? kFirstSize.boundedTo(screen->availableSize() - kFrameRoom) : kFirstSize);
        return;
    }
    // A window that would lie on no screen (a monitor unplugged) keeps only its size.
    if (QGuiApplication::screenAt(stored->center()))
        setGeometry(*stored);
    else
        resize(stored->size());
}

void EsMapWindow::showReadout(const ReadoutState& readout)
{
    if (readout.AlertTime.trimmed().isEmpty())
        return; // no page yet
    m_latest = esReadingOf(readout);
    if (isVisible())
        reloadHistory();
    else
        gather();
}

void EsMapWindow::setSignalPalette(SignalPalette palette)
{
    m_palette = palette;
    render();
}

void EsMapWindow::reloadHistory()
{
    HistoryLog* log = m_log ? m_log() : nullptr;
    const QDateTime until = nowUtc().toUTC();
    m_logged = log ? loggedReadings(log->read({until.addSecs(-kSteppedSeconds), until, {}}))
                   : std::vector<EsReading>();
    gather();
}

void EsMapWindow::gather()
{
    const std::optional<QString> shownTime =
        m_index >= 0 ? std::optional(m_readings[m_index].pageTime) : std::nullopt;
    m_readings = m_logged;
    if (m_latest && (m_readings.empty() || m_readings.back().pageTime != m_latest->pageTime))
        m_readings.push_back(*m_latest);
    const int last = static_cast<int>(m_readings.size()) - 1;
    int index = last;
    // An older reading being looked at stays in view while new ones come.
    if (!m_followLatest && shownTime) {
        const auto same =
            std::find_if(m_readings.rbegin(), m_readings.rend(),
                         [&](const EsReading& r) { return r.pageTime == *shownTime; });
        index = same == m_readings.rend() ? std::min(m_index, last)
                                          : static_cast<int>(m_readings.rend() - same) - 1;
    }
    const QSignalBlocker quiet(slider);
    slider->setRange(0, std::max(0, last));
    slider->setEnabled(last > 0);
    m_index = -1;
    showIndex(index);
}

void EsMapWindow::step(int by)
{
    if (m_index >= 0)
        showIndex(std::clamp(m_index + by, 0, static_cast<int>(m_readings.size()) - 1));
}

void EsMapWindow::showIndex(int index)
{
    const int last = static_cast<int>(m_readings.size()) - 1;
    m_index = last < 0 ? -1 : std::clamp(index, 0, last);
    m_followLatest = m_index == last;
    const QSignalBlocker quiet(slider);
    slider->setValue(std::max(0, m_index));
    olderButton->setEnabled(m_index > 0);
    newerButton->setEnabled(m_index >= 0 && m_index < last);
    if (m_index < 0)
        timeLabel->setText(tr("記録なし"));
    else if (m_index == last)
        timeLabel->setText(tr("%1 (最新)").arg(m_readings[m_index].pageTime.trimmed()));
    else
        timeLabel->setText(tr("%1 (%2 / %3)")
                               .arg(m_readings[m_index].pageTime.trimmed())
                               .arg(m_index + 1)
                               .arg(last + 1));
    gatherHeard();
    render();
}

bool EsMapWindow::setHome(const QString& text)
{
    const std::optional<QString> locator = canonicalLocator(text);
    if (!locator && !text.trimmed().isEmpty()) {
        homeProblem->setText(locatorRefusal(text));
        return false;
    }
    homeProblem->clear();
    // A new home comes back through followHome; the same one typed
    // differently only shows in its own spelling.
    m_home.set(locator.value_or(QString()));
    homeEdit->setText(m_home.locator());
    return true;
}

void EsMapWindow::followHome(const QString& locator)
{
    homeEdit->setText(locator);
    render();
}

const ReachReport& EsMapWindow::shownReport() const
{
    return map->report();
}

QStringList EsMapWindow::shownLines() const
{
    QStringList lines = bandLines(shownReport()) + homePathLines(shownReport());
    for (const HeardInRange& heard : heardInEsRange(m_heard))
        lines << heardLine(heard);
    return lines;
}

void EsMapWindow::setHeardSession(HeardSession* session)
{
    m_session = session;
    refreshHeard();
}

void EsMapWindow::setHeardSource(HeardSource source)
{
    m_heardSource = std::move(source);
    refreshHeard();
}

void EsMapWindow::refreshHeard()
{
    gatherHeard();
    render();
}

void EsMapWindow::setContacts(ContactLog* contacts)
{
    disconnect(m_contactsChanged);
    m_contactLog = contacts;
    if (contacts)
        m_contactsChanged =
            connect(contacts, &ContactLog::changed, this, &EsMapWindow::refreshHeard);
    refreshHeard();
}

std::vector<ContactPath> EsMapWindow::contactsBetween(const QDateTime& fromUtc,
                                                      const QDateTime& toUtc) const
{
    if (!m_contactLog)
        return {};
    ReadingTimeline readings(std::numeric_limits<std::size_t>::max());
    for (const EsReading& reading : m_readings)
        readings.add(reading);
    return m_contactLog->pathsBetween(fromUtc, toUtc, m_home.locator(), readings);
}

void EsMapWindow::gatherHeard()
{
    m_heard.clear();
    m_contacts.clear();
    const bool latest = m_followLatest || m_index < 0;
    const std::optional<QDateTime> pageUtc =
        latest ? std::nullopt : pageTimeToUtc(m_readings[m_index].pageTime);
    if ((!m_session && !m_contactLog) || (!latest && !pageUtc)) {
        map->setHeard({});
        return;
    }
    const QDateTime from = latest ? nowUtc().addSecs(-kHeardMinutes * 60)
                                  : pageUtc->addSecs(-kHeardAroundMinutes * 60);
    const QDateTime to = latest ? nowUtc() : pageUtc->addSecs(kHeardAroundMinutes * 60);
    std::vector<HeardStation> stations;
    if (m_session && !latest && m_heardSource) {
        stations = m_heardSource(from, to);
    } else if (m_session) {
        for (const HeardStation& station : m_session->recent()) {
            if (station.time >= from && station.time <= to)
                stations.push_back(station);
        }
    }
    std::vector<HeardMark> marks = heardMarks(stations, from, to, &m_heard);
    for (const HeardMark& mark : contactMarks(contactsBetween(from, to), &m_contacts))
        marks.push_back(mark);
    map->setHeard(std::move(marks));
}

void EsMapWindow::showHeardStation(std::size_t index, QPoint globalPos)
{
    if (index < m_heard.size())
        QToolTip::showText(globalPos, heardStationText(m_heard[index]), map);
    else if (index - m_heard.size() < m_contacts.size())
        QToolTip::showText(globalPos, contactText(m_contacts[index - m_heard.size()]), map);
}

void EsMapWindow::render()
{
    const EsReading reading = m_index >= 0 ? m_readings[m_index] : noReading();
    map->setReach(reachOf(reading, m_home.locator()), m_palette);
    const QString lines = shownLines().join(u'\n');
    linesLabel->setText(lines);
    if (map->accessibleDescription() != lines) {
        map->setAccessibleDescription(lines);
        QAccessibleEvent changed(map, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void EsMapWindow::showEvent(QShowEvent* event)
{
    reloadHistory();
    QWidget::showEvent(event);
}

void EsMapWindow::storePlace()
{
    ProgramSettings(m_settings).setMapGeometry(geometry());
}

void EsMapWindow::hideEvent(QHideEvent* event)
{
    storePlace();
    QWidget::hideEvent(event);
}
