// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

#include "core/page/readout_state.h"
#include "core/page/shown_readout.h"
#include "core/page/signal_indicator.h"
#include "core/page/station_names.h"
#include "core/refresh/fetch_failure.h"
#include "core/refresh/schedule.h"
#include "window/accessible_readout.h"
#include "window/focus_frame.h"
#include "window/fonts.h"
#include "window/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

// Off unless asked for (QT_LOGGING_RULES="ondrel.readout.debug=true"): when
// the first readout reached the screen, for the start-up measurement.
Q_LOGGING_CATEGORY(lcReadout, "ondrel.readout", QtWarningMsg)

namespace {

const QColor kFormBack(224, 224, 224);
const QColor kPaleYellow(255, 255, 192);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kHeaderBack(255, 255, 0);
const QColor kHeaderText(255, 0, 255);
const QColor kRefBack(192, 255, 192);

constexpr int kCellHeight = 255;
constexpr int kColumnLefts[] = {120, 600, 1080};
constexpr int kRowTops[] = {0, 360, 720, 1080, 1680};

QFont f1()
{
    return designFont(kGothic, 12, true);
}
QFont f2()
{
    return designFont(kGothic, 9, true);
}
QFont f3()
{
    return designFont(kPGothic, 9.75, true);
}
QFont f4()
{
    return designFont(kPGothic, 12, true);
}
QFont f5()
{
    return designFont(kPGothic, 9, false);
}
QFont f6()
{
    return designFont(kMincho, 9, true);
}
QFont windowFont()
{
    return designFont(kMincho, 9.75, false);
}

void setColours(QWidget* widget, const QColor& back, const QColor& text)
{
    QPalette palette = widget->palette();
    if (back.isValid()) {
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::Button, back);
        widget->setAutoFillBackground(true);
    }
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::ButtonText, text);
        palette.setColor(QPalette::Text, text);
    }
    widget->setPalette(palette);
}

// The style's own colours for a control the layout leaves at its defaults,
// so the colours of the group or window that holds it do not reach it.
void keepStyleColours(QWidget* control)
{
    QPalette palette = QApplication::palette(control);
    palette.setResolveMask(~QPalette::ResolveMask(0));
    control->setPalette(palette);
}

template <typename Label>
Label* makeLabel(QWidget* parent, const QString& caption, bool bordered, Qt::Alignment align)
{
    auto* label = new Label(parent);
    label->setText(caption);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align | Qt::AlignVCenter);
    if (bordered) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    return label;
}

QColor qColour(ColourValue value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

Qt::PenStyle penStyle(LevelLine line)
{
    switch (line) {
    case LevelLine::Dotted:
        return Qt::DotLine;
    case LevelLine::Solid:
        return Qt::SolidLine;
    case LevelLine::None:
        break;
    }
    return Qt::NoPen;
}

// A scroll bar whose up raises the value: ▲, a click above the handle, ↑
// and Page Up alike, with the highest value at the top. Styles draw the
// arrows at their places whatever the appearance, so each step is turned.
void raiseUpwards(QScrollBar* bar)
{
    bar->setInvertedAppearance(true);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar](int action) {
        int step = 0;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            step = -bar->singleStep();
            break;
        case QAbstractSlider::SliderSingleStepSub:
            step = bar->singleStep();
            break;
        case QAbstractSlider::SliderPageStepAdd:
            step = -bar->pageStep();
            break;
        case QAbstractSlider::SliderPageStepSub:
            step = bar->pageStep();
            break;
        default:
            return;
        }
        bar->setSliderPosition(bar->value() + step);
    });
}

} // namespace

static void loadResources()
{
    Q_INIT_RESOURCE(resources);
}

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    loadResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("電離層"));
    setWindowIcon(QIcon(QStringLiteral(":/ondrel.svg")));
    setFont(windowFont());
    setColours(this, kFormBack, {});
    // The window sits beside the radio, rarely focused: explain on hover all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);

    // The menu bar holds one item used as a status line. A QMenuBar would
    // fold a caption wider than the compact window into an overflow
    // button, so the bar is a label that wraps instead, as the menu bar of
    // the original window did.
    fmcls = new QLabel(shownText(ReadoutState().statusItem), this);
    fmcls->setObjectName(QStringLiteral("fmcls"));
    fmcls->setWordWrap(true);
    fmcls->setTextFormat(Qt::PlainText);
    fmcls->setContentsMargins(3, 1, 3, 1);
    fmcls->setAutoFillBackground(true);
    fmcls->setBackgroundRole(QPalette::Button);
    fmcls->setFont(designFont(kGothic, 9, false));
    setMenuWidget(fmcls);

    auto* client = new QWidget(this);
    setColours(client, kFormBack, {});
    setCentralWidget(client);

    // Created in the design's order, so later controls lie above earlier
    // ones; the editor frame is raised above the labels when it opens.
    buildEditor(client);
    Picture1 = new QLabel(client);
    place(Picture1, 2520, 3840, 375, 375);
    Picture1->hide();
    Check1 = new QCheckBox(tr("最前面表示する"), client);
    // Red caption only: the indicator and its mark stay the style's. The
    // form's own background shows through.
    keepStyleColours(Check1);
    QPalette checkPalette = Check1->palette();
    checkPalette.setColor(QPalette::WindowText, kRed);
    Check1->setPalette(checkPalette);
    place(Check1, 120, 5520, 1935, 255);
    buildBrowserControls(client);
    buildReadout(client);
    setTabOrder();
    // Start-up focus stays where it always was; the labels that take Tab
    // come earlier in the chain.
    Check1->setFocus(Qt::OtherFocusReason);
    m_accessible = std::make_unique<AccessibleReadout>(*this);
    if (lcReadout().isDebugEnabled())
        Label2[0]->installEventFilter(this);

    const int designWidth = twipsToPixels(10200);
    const int designHeight = twipsToPixels(6510);
    resize(designWidth, designHeight + fmcls->sizeHint().height());
}

Form1::~Form1() = default;

void Form1::buildEditor(QWidget* client)
{
    Frame2 = new QGroupBox(tr("ｱｸｾｽﾀｲﾏ"), client);
    setColours(Frame2, kPaleYellow, kBlue);
    place(Frame2, 2520, 4560, 1575, 855);
    Command6 = new QPushButton(tr("Can"), Frame2);
    keepStyleColours(Command6);
    place(Command6, 620, 520, 495, 255);
    Command5 = new QPushButton(tr("Set"), Frame2);
    keepStyleColours(Command5);
    place(Command5, 120, 520, 495, 255);
    VScroll1 = new WithFocusFrame<QScrollBar>(Qt::Vertical, Frame2);
    VScroll1->setFocusPolicy(Qt::TabFocus); // the period by arrow keys
    keepStyleColours(VScroll1);
    VScroll1->setRange(kMinPeriod, kMaxPeriod);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(15);
    raiseUpwards(VScroll1);
    VScroll1->setValue(kMinPeriod);
    place(VScroll1, 1200, 240, 255, 495);
    Label4 = makeLabel<QLabel>(Frame2, periodCaption(QStringLiteral("00"), QStringLiteral("00")),
                               false, Qt::AlignHCenter);
    Label4->setFont(f2());
    setColours(Label4, kPaleYellow, kRed);
    place(Label4, 75, 240, 1055, 255);
    Frame2->hide();
    Frame2->setEnabled(false);
}

void Form1::buildBrowserControls(QWidget* client)
{
    Frame1 = new QGroupBox(tr("Browser"), client);
    Frame1->setFont(f5());
    setColours(Frame1, kFormBack, {});
    place(Frame1, 120, 2760, 1815, 615);
    Command3 = new QPushButton(QStringLiteral("＞"), Frame1);
    keepStyleColours(Command3);
    Command3->setFont(f5());
    place(Command3, 960, 240, 615, 255);
    Command2 = new QPushButton(QStringLiteral("＜"), Frame1);
    keepStyleColours(Command2);
    Command2->setFont(f5());
    place(Command2, 120, 240, 615, 255);
    Command1 = new QPushButton(tr("元のサイズに戻す"), client);
    keepStyleColours(Command1);
    Command1->setFont(f5());
    place(Command1, 120, 2160, 1815, 495);

    WebBrowser1 = new QWidget(client);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    place(WebBrowser1, 2160, 0, 6135, 2295);
}

void Form1::buildReadout(QWidget* client)
{
    Label6 = makeLabel<ClickableLabel>(client, tr("Ref"), true, Qt::AlignHCenter);
    setColours(Label6, kRefBack, {});
    place(Label6, 1560, 1410, 495, 255);

    Label5 = makeLabel<QLabel>(client, QString(), true, Qt::AlignLeft);
    Label5->setWordWrap(true);
    setColours(Label5, kPaleYellow, {});
    place(Label5, 120, 3600, 2010, 1815);

    const QString rowCaptions[] = {shownStationMark(0), shownStationMark(1), shownStationMark(2),
                                   shownStationMark(3), tr("全")};
    const QString rowTips[] = {tr("ｸﾘｯｸすると稚内の詳細"), tr("ｸﾘｯｸすると国分寺の詳細"),
                               tr("ｸﾘｯｸすると鹿児島の詳細"), tr("ｸﾘｯｸすると沖縄の詳細"), tr("右")};
    const int rowLefts[] = {1680, 1665, 1665, 1680, 1680};
    const int rowWidths[] = {315, 345, 345, 315, 315};
    for (int k = 0; k < 5; ++k) {
        auto* heading = makeLabel<ClickableLabel>(client, rowCaptions[k], true, Qt::AlignHCenter);
        heading->setFont(f1());
        setColours(heading, kPaleYellow, kBlue);
        heading->setToolTip(rowTips[k]);
        place(heading, rowLefts[k], kRowTops[k], rowWidths[k], 300);
        Label3[k] = heading;
    }

    Label1 = makeLabel<ClickableLabel>(client, tr("Fmax Fmin Es"), true, Qt::AlignLeft);
    Label1->setFont(f6());
    setColours(Label1, kHeaderBack, kHeaderText);
    Label1->setAutoFillBackground(false); // transparent until a refresh goes wrong
    place(Label1, 105, 1380, 1320, 240);

    for (int i = 0; i < kCellCount; ++i) {
        const int row = i / 3;
        auto* cell =
            makeLabel<ClickableLabel>(client, QStringLiteral("L"), false, Qt::AlignHCenter);
        cell->setFont(row < 4 ? f3() : f4());
        setColours(cell, Qt::black, i % 3 == 0 && row < 3 ? QColor(0, 255, 0) : QColor(Qt::white));
        place(cell, kColumnLefts[i % 3], kRowTops[row], 375, kCellHeight);
        Label2[i] = cell;
    }
}

void Form1::setTabOrder()
{
    std::vector<QWidget*> order{WebBrowser1};
    order.insert(order.end(), Label2.begin(), Label2.end());
    order.push_back(Label1);
    order.insert(order.end(), Label3.begin(), Label3.end());
    order.insert(order.end(), {Command1, Frame1, Command2, Command3, Label5, Check1, Picture1,
                               Frame2, VScroll1, Label4, Command5, Command6, Label6});
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form1::place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                         twipsToPixels(height));
}

void Form1::render(const ReadoutState& state)
{
    const bool stale = m_dataAge && m_dataAge->stale;
    for (int i = 0; i < kCellCount; ++i) {
        ClickableLabel* cell = Label2[i];
        cell->setText(shownCellCaption(state, i));
        const CellLook look = cellLook(state.cells[i].colour, m_signalPalette);
        QPalette palette = cell->palette();
        palette.setColor(QPalette::WindowText, qColour(stale ? dimmed(look.colour) : look.colour));
        cell->setPalette(palette);
        cell->setUnderline(penStyle(look.line));
    }
    Label1->setAutoFillBackground(state.headerOpaque);
    Label1->update();
    fmcls->setText(shownStatusItem(state));
    const QString age = stale ? dataAgeText(*m_dataAge) : QString();
    m_fetchFailureText =
        state.fetchFailure ? fetchFailureExplanation(*state.fetchFailure) : QString();
    fmcls->setToolTip(statusToolTip());
    fmcls->setAccessibleName(stale ? fmcls->text() + u' ' + age : QString());
    fmcls->setAccessibleDescription(m_fetchFailureText);
    setWindowTitle(shownCaption(state));
    setAccessibleName(spokenCaption(state));
    m_accessible->update(state);
}

void Form1::setStatusNote(const QString& note)
{
    m_statusNote = note;
    fmcls->setToolTip(statusToolTip());
}

QString Form1::statusToolTip() const
{
    QStringList lines;
    if (!m_fetchFailureText.isEmpty())
        lines << m_fetchFailureText;
    if (m_dataAge && m_dataAge->stale)
        lines << dataAgeText(*m_dataAge);
    if (!m_statusNote.isEmpty())
        lines << m_statusNote;
    return lines.join(u'\n');
}

void Form1::setCredit(const QString& text)
{
    Label5->setText(text);
    QFont font = Label5->font();
    const QRect room = Label5->contentsRect();
    const auto fits = [&] {
        return QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, text).height() <=
               room.height();
    };
    while (!fits() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    Label5->setFont(font);
}

QString Form1::periodCaption(const QString& minutes, const QString& seconds)
{
    return tr("%1m%2s 毎").arg(minutes, seconds);
}

QMargins Form1::frameMarginsNow() const
{
    const QRect outer = frameGeometry();
    const QRect client = geometry();
    return {client.left() - outer.left(), client.top() - outer.top(),
            outer.right() - client.right(), outer.bottom() - client.bottom()};
}

int Form1::Top() const
{
    return pixelsToTwips(frameGeometry().top());
}

int Form1::Left() const
{
    return pixelsToTwips(frameGeometry().left());
}

int Form1::Width() const
{
    return pixelsToTwips(frameGeometry().width());
}

int Form1::Height() const
{
    return pixelsToTwips(frameGeometry().height());
}

void Form1::setTop(int twips)
{
    QRect outer = frameGeometry();
    outer.moveTop(twipsToPixels(twips));
    setOuterGeometry(outer);
}

void Form1::setLeft(int twips)
{
    QRect outer = frameGeometry();
    outer.moveLeft(twipsToPixels(twips));
    setOuterGeometry(outer);
}

void Form1::setWidth(int twips)
{
    QRect outer = frameGeometry();
    outer.setWidth(twipsToPixels(twips));
    setOuterGeometry(outer);
}

void Form1::setHeight(int twips)
{
    QRect outer = frameGeometry();
    outer.setHeight(twipsToPixels(twips));
    setOuterGeometry(outer);
}

void Form1::setOuterSize(int widthTwips, int heightTwips)
{
    setWidth(widthTwips);
    setHeight(heightTwips);
}

void Form1::setOuterGeometry(const QRect& outer)
{
    const QMargins frame = frameMarginsNow();
    const QSize before = size();
    resize(std::max(1, outer.width() - frame.left() - frame.right()),
           std::max(1, outer.height() - frame.top() - frame.bottom()));
    if (frameGeometry().topLeft() != outer.topLeft())
        move(outer.topLeft()); // a window's position is its frame's
    if (frame.isNull())
        m_unframedOuter = outer;
    else
        m_unframedOuter.reset();
    if (size() != before)
        notifyResize();
}

void Form1::applyOuterOnceFramed()
{
    // The frame becomes known when the window manager has framed the
    // shown window, which moves or resizes it.
    if (m_unframedOuter && !frameMarginsNow().isNull())
        setOuterGeometry(*m_unframedOuter);
}

void Form1::keepOnScreen()
{
    const QRect outer = frameGeometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(outer))
            return;
    }
    const QPoint corner = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
    setOuterGeometry(outer.translated(corner - outer.topLeft()));
}

void Form1::notifyResize()
{
    // A hidden window gets its resize event only when shown; the handlers
    // expect one after every change of size, and only one.
    if (size() == m_notifiedSize)
        return;
    m_notifiedSize = size();
    Q_EMIT resized();
}

void Form1::setKeepInFront(bool on)
{
    changeWindowFlags(windowFlags().setFlag(Qt::WindowStaysOnTopHint, on));
}

bool Form1::keepsInFront() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void Form1::setPaneLayout(bool open)
{
    for (QWidget* control : std::initializer_list<QWidget*>{Command1, Frame1, WebBrowser1, Label5})
        control->setVisible(open);
    // The compact window may still be enlarged by hand (and 元のサイズに戻す
    // then stores that size for the pane); it is only not maximised.
    if (!open && isMaximized())
        showNormal();
    Qt::WindowFlags flags = windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint;
    changeWindowFlags(flags.setFlag(Qt::WindowMaximizeButtonHint, open));
}

void Form1::changeWindowFlags(Qt::WindowFlags flags)
{
    if (flags == windowFlags())
        return;
    QWindow* native = windowHandle();
    if (!native) {
        setWindowFlags(flags);
        return;
    }
    // QWidget::setWindowFlags would replace the shown window by a new one,
    // which a window manager may frame elsewhere than Qt then believes
    // (KWin: a title bar higher). The window changes its flags in place.
    overrideWindowFlags(flags);
    native->setFlags(flags);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label2[0] && event->type() == QEvent::Paint && !Label2[0]->text().isEmpty()) {
        qCDebug(lcReadout) << "first readout painted at" << QDateTime::currentMSecsSinceEpoch();
        Label2[0]->removeEventFilter(this);
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    applyOuterOnceFramed();
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    notifyResize();
    applyOuterOnceFramed();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Q_EMIT unloading();
    }
    event->accept();
}
