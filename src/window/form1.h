// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/status/data_age.h"

#include "core/page/readout_state.h"
#include "window/clickable_label.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class AccessibleReadout;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

// Grid cell width after start-up, twips.
constexpr int kCellWidth = 420;
// Label3's index of the summary row's heading "全".
constexpr int kSummaryHeading = 4;

// The main window and its controls, laid out as designed (positions in
// twips). It holds no logic: handlers act on its controls, and it shows
// the readout state it is given.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Outer geometry (frame included) in twips.
    int Top() const;
    int Left() const;
    int Width() const;
    int Height() const;
    void setTop(int twips);
    void setLeft(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void setOuterSize(int widthTwips, int heightTwips);

    // Brings a window that lies on no screen (a monitor unplugged since)
    // back to the primary screen's corner.
    void keepOnScreen();

    // Places a control as the design does, in twips of the client area.
    static void place(QWidget* control, int left, int top, int width, int height);

    // Grid cells, header, status item and caption as the readout says,
    // in words for screen readers too.
    void render(const ReadoutState& state);
    // Puts the provider's credit into Label5, in a smaller type where the
    // design's would cut its last line off.
    void setCredit(const QString& text);
    AccessibleReadout& accessibleReadout() { return *m_accessible; }
    // The period editor's `Label4` text for minutes and seconds as written.
    static QString periodCaption(const QString& minutes, const QString& seconds);

    // The colours render() draws the cells in.
    void setSignalPalette(SignalPalette palette) { m_signalPalette = palette; }
    // How old the shown data is, for the next render: stale data is shown
    // dimmed, and the status line says its age.
    void setDataAge(std::optional<DataAge> age) { m_dataAge = age; }
    SignalPalette signalPalette() const { return m_signalPalette; }
    // A line the status line's tooltip adds after the data's age (the
    // decode listener's trouble); empty for none.
    void setStatusNote(const QString& note);

    // Keeps the window above all others, or releases it.
    void setKeepInFront(bool on);
    bool keepsInFront() const;

    // The compact layout shows the readout alone and is not maximised; the
    // pane layout adds the pane, its controls and the credit.
    void setPaneLayout(bool open);

    ClickableLabel* Label1 = nullptr;
    std::array<ClickableLabel*, 15> Label2{};
    std::array<ClickableLabel*, 5> Label3{};
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    ClickableLabel* Label6 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QCheckBox* Check1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QLabel* Picture1 = nullptr;
    QWidget* WebBrowser1 = nullptr; // where the browser view lives
    QLabel* fmcls = nullptr;        // the menu bar's one item, a status line

Q_SIGNALS:
    void resized();
    void unloading();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildEditor(QWidget* client);
    void buildBrowserControls(QWidget* client);
    void buildReadout(QWidget* client);
    void setTabOrder();
    QMargins frameMarginsNow() const;
    void setOuterGeometry(const QRect& outer);
    void applyOuterOnceFramed();
    void notifyResize();
    void changeWindowFlags(Qt::WindowFlags flags);
    QString statusToolTip() const;

    std::unique_ptr<AccessibleReadout> m_accessible;
    bool m_unloaded = false;
    SignalPalette m_signalPalette = SignalPalette::Standard;
    std::optional<DataAge> m_dataAge;
    QString m_statusNote;
    // Why the last download failed, in words; empty after a page came.
    QString m_fetchFailureText;
    QSize m_notifiedSize;
    // Outer geometry asked for before the window manager framed the
    // window, pixels: until then Qt takes it for the client area.
    std::optional<QRect> m_unframedOuter;
};
