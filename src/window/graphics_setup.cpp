// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/graphics_setup.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdio>

Q_LOGGING_CATEGORY(lcPlatform, "ondrel.platform", QtWarningMsg)

namespace {

// What Qt and the pane's engine say when they look for OpenGL that we left
// out on purpose; nothing is wrong then.
constexpr const char* kExpectedWithoutOpenGl[] = {
    "QXcbIntegration: Cannot create platform OpenGL context, neither GLX nor EGL are enabled",
    "No suitable graphics backend found",
};

QtMessageHandler g_nextHandler = nullptr;

void dropExpectedWithoutOpenGl(QtMsgType type, const QMessageLogContext& context,
                               const QString& message)
{
    if (type == QtWarningMsg) {
        const QString text = message.trimmed();
        for (const char* expected : kExpectedWithoutOpenGl) {
            if (text == QLatin1String(expected))
                return;
        }
    }
    g_nextHandler(type, context, message);
}

const char* describe(WindowSystem chosen)
{
    switch (chosen) {
    case WindowSystem::AsConfigured:
        return "as configured";
    case WindowSystem::Xwayland:
        return "Xwayland on a Wayland session";
    case WindowSystem::Wayland:
        return "Wayland";
    case WindowSystem::None:
        break;
    }
    return "none";
}

} // namespace

WindowSystem chooseWindowSystem(const SessionEnvironment& session)
{
    if (!session.platform.isEmpty())
        return session.platform.startsWith("wayland") ? WindowSystem::Wayland
                                                      : WindowSystem::AsConfigured;
    const bool waylandSession =
        !session.waylandDisplay.isEmpty() || session.sessionType == "wayland";
    if (waylandSession && !session.display.isEmpty())
        return WindowSystem::Xwayland;
    if (!session.waylandDisplay.isEmpty())
        return WindowSystem::Wayland;
    if (!session.display.isEmpty())
        return WindowSystem::AsConfigured;
    return WindowSystem::None;
}

bool placesWindows(const QString& platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"));
}

GraphicsChoice chooseGraphics(const QByteArray& platform, const QByteArray& sessionType,
                              const QByteArray& xcbIntegration)
{
    const bool wayland =
        platform.isEmpty() ? sessionType == "wayland" : platform.startsWith("wayland");
    if (wayland)
        return GraphicsChoice::SharedContexts;
    if (!xcbIntegration.isEmpty())
        return GraphicsChoice::AsConfigured;
    return GraphicsChoice::SoftwarePane;
}

WindowSystem prepareGraphics()
{
    const WindowSystem chosen =
        chooseWindowSystem({qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"),
                            qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY")});
    if (chosen == WindowSystem::None)
        return chosen;
    if (chosen == WindowSystem::Xwayland)
        qputenv("QT_QPA_PLATFORM", "xcb");
    else if (chosen == WindowSystem::Wayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "wayland");

    switch (chooseGraphics(qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                           qgetenv("QT_XCB_GL_INTEGRATION"))) {
    case GraphicsChoice::SoftwarePane:
        qputenv("QT_XCB_GL_INTEGRATION", "none");
        qputenv("QT_QUICK_BACKEND", "software");
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        g_nextHandler = qInstallMessageHandler(dropExpectedWithoutOpenGl);
        break;
    case GraphicsChoice::SharedContexts:
    case GraphicsChoice::AsConfigured:
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        break;
    }
    // The engine's dump of its set-up at each first pane; QT_LOGGING_RULES
    // still turns it back on.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    return chosen;
}

void reportWindowSystem(WindowSystem chosen, const QString& platformName)
{
    qCDebug(lcPlatform).nospace().noquote()
        << "window system " << platformName << " (" << describe(chosen) << ")";
    if (!placesWindows(platformName))
        std::fputs("ondrel: on Wayland a window cannot keep itself in front or choose its "
                   "position: -T, 最前面表示する and the stored window position have no effect\n",
                   stderr);
}
