#include "app/form_controller.h"

#include "app/browser_view.h"
#include "support/text_helpers.h"
#include "support/timer.h"
#include "view/form1.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>

namespace {

std::unique_ptr<Timer> ownTimer(Timer* given, std::function<void()> tick)
{
    if (given)
        return nullptr;
    return std::make_unique<QtTimer>(std::move(tick));
}

} // namespace

FormController::FormController(Form1& window, FormSeams seams)
    : window(window), boxes(seams.boxes), clock(seams.clock), browser(seams.browser),
      download(seams.download), programDirectory(seams.programDirectory),
      settings(seams.programDirectory, seams.boxes),
      m_ownTimer1(ownTimer(seams.timer1, [this] { scheduler.Timer1_Timer(); })),
      m_ownTimer2(ownTimer(seams.timer2, [this] { scheduler.Timer2_Timer(); })),
      Timer1(seams.timer1 ? *seams.timer1 : *m_ownTimer1),
      Timer2(seams.timer2 ? *seams.timer2 : *m_ownTimer2),
      fetch(readout, conv, seams.download, seams.boxes, Timer1, *this), scheduler(*this),
      editor(*this), controls(*this), startup(*this)
{
    connectControls();
}

FormController::~FormController() = default;

void FormController::connectControls()
{
    QObject::connect(&window, &Form1::resized, [this] { controls.Form_Resize(); });
    QObject::connect(&window, &Form1::unloading, [this] { startup.Form_Unload(); });
    QObject::connect(window.Label1, &ClickableLabel::mouseReleased,
                     [this](Qt::MouseButton button) { controls.Label1_MouseUp(button); });
    QObject::connect(window.Label6, &ClickableLabel::clicked, [this] { controls.Label6_Click(); });
    QObject::connect(window.Check1, &QCheckBox::stateChanged, [this] { controls.Check1_Click(); });
    QObject::connect(window.VScroll1, &QScrollBar::valueChanged,
                     [this] { editor.VScroll1_Change(); });
    QObject::connect(window.Command5, &QPushButton::clicked, [this] { editor.Command5_Click(); });
    QObject::connect(window.Command6, &QPushButton::clicked, [this] { editor.Command6_Click(); });
}

void FormController::render()
{
    window.render(readout);
}

void FormController::readoutChanged()
{
    render();
}

void FormController::reloadPaneIfOpen()
{
    if (form.PaneOpen != 1)
        return;
    try {
        browser.reload();
    } catch (const ProcedureFailure&) {
    }
}

void FormController::closeWindow()
{
    window.close();
}
