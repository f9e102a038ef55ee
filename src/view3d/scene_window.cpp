#include "view3d/scene_window.h"

#include <utility>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace ferlo {

SceneWindow::SceneWindow(QWidget& host, std::function<void()> paint) : host_(host), paint_(std::move(paint)) {
    setSurfaceType(QSurface::OpenGLSurface);
    setFlag(Qt::WindowDoesNotAcceptFocus);
}

bool SceneWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::UpdateRequest:
        paint_();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        // The window fills the host, so the positions hold there too.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QMouseEvent copy(mouse->type(), mouse->position(), mouse->scenePosition(), mouse->globalPosition(),
                         mouse->button(), mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
        QCoreApplication::sendEvent(&host_, &copy);
        return true;
    }
    default:
        return QWindow::event(event);
    }
}

void SceneWindow::exposeEvent(QExposeEvent*) {
    if (isExposed()) paint_();
}

// A window made smaller is not exposed again, yet its projection changes.
void SceneWindow::resizeEvent(QResizeEvent*) { requestUpdate(); }

}  // namespace ferlo
