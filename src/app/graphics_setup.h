#pragma once

#include <QByteArray>

// The browser pane's engine is a module loaded when the pane first opens.
// It needs OpenGL contexts shared from the start, and sharing them on a
// window system with OpenGL loads the graphics driver at start-up: tens of
// megabytes for a window that draws nothing with OpenGL. Where the window
// system lets us (X11 and the headless platforms), OpenGL is left out and
// the pane's engine renders in software; on Wayland the contexts are shared
// and the driver is loaded.
enum class GraphicsChoice { SoftwarePane, SharedContexts, AsConfigured };

// From QT_QPA_PLATFORM, XDG_SESSION_TYPE and QT_XCB_GL_INTEGRATION as the
// environment has them; a user's own OpenGL choice for X11 stands.
GraphicsChoice chooseGraphics(const QByteArray& platform, const QByteArray& sessionType,
                              const QByteArray& xcbIntegration);

// Applies the choice for this process; call before the application object.
void prepareGraphics();
