// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Which window system the program runs on. Keep-in-front and the stored
// window positions need a window system that lets a client place its own
// window; Wayland does not, so on a Wayland session with Xwayland the
// program runs on X11 (xcb) unless the user asked for a platform.
enum class WindowSystem {
    AsConfigured, // the user's QT_QPA_PLATFORM, or an X11 session
    Xwayland,     // a Wayland session with an X server beside it: xcb
    Wayland,      // asked for, or a Wayland session without Xwayland
    None,         // no display at all
};

// The session as the environment describes it.
struct SessionEnvironment {
    QByteArray platform;       // QT_QPA_PLATFORM
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray sessionType;    // XDG_SESSION_TYPE
    QByteArray display;        // DISPLAY
};

WindowSystem chooseWindowSystem(const SessionEnvironment& session);

// Whether windows on the platform named so (QGuiApplication::platformName)
// can keep themselves in front and be placed where the program wants.
bool placesWindows(const QString& platformName);

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

// Chooses the window system and the graphics for this process and quiets
// the warnings that running without OpenGL causes; call before the
// application object. Changes nothing when there is no display.
WindowSystem prepareGraphics();

// Once the application object exists, with the platform it runs on: tells
// the user on stderr when keep-in-front and window positions cannot work,
// and logs the choice (QT_LOGGING_RULES="ondrel.platform.debug=true").
void reportWindowSystem(WindowSystem chosen, const QString& platformName);
