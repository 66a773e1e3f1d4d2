#include "driver/app/SceneGraphBackend.h"

#include <QDebug>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace SceneGraphBackend {

void chooseForThisMachine() {
  // A backend chosen by the user (QT_QUICK_BACKEND) is left as it is.
  if (!qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) return;
  QOffscreenSurface surface;
  surface.create();
  QOpenGLContext context;
  if (surface.isValid() && context.create() && context.makeCurrent(&surface)) {
    context.doneCurrent();
    return;
  }
  qInfo() << "no OpenGL context on this machine; the settings window draws in software";
  QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
}

}  // namespace SceneGraphBackend
