#include "app/graphics_setup.h"

#include <QCoreApplication>

GraphicsChoice chooseGraphics(const QByteArray& platform, const QByteArray& sessionType,
                              const QByteArray& xcbIntegration)
{
    const bool wayland = platform.isEmpty() ? sessionType == "wayland"
                                            : platform.startsWith("wayland");
    if (wayland)
        return GraphicsChoice::SharedContexts;
    if (!xcbIntegration.isEmpty())
        return GraphicsChoice::AsConfigured;
    return GraphicsChoice::SoftwarePane;
}

void prepareGraphics()
{
    switch (chooseGraphics(qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                           qgetenv("QT_XCB_GL_INTEGRATION"))) {
    case GraphicsChoice::SoftwarePane:
        qputenv("QT_XCB_GL_INTEGRATION", "none");
        qputenv("QT_QUICK_BACKEND", "software");
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        break;
    case GraphicsChoice::SharedContexts:
    case GraphicsChoice::AsConfigured:
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        break;
    }
}
