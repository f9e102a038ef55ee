#pragma once

#include <functional>

#include <QWindow>

class QWidget;

namespace ferlo {

// The native window the 3D view draws into, put inside the editor's window
// by a window container: the window system composes it apart from the
// widgets around it, so repainting any of them never redraws the 3D picture
// nor composes the editor's window through OpenGL. It takes no keyboard
// focus (the keys stay with the editor's widgets), hands its mouse events on
// to `host` (the widget the 3D box's mouse handlers listen to, which it
// fills) and calls `paint` when it is exposed or a frame was asked for.
class SceneWindow : public QWindow {
public:
    SceneWindow(QWidget& host, std::function<void()> paint);

protected:
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget& host_;
    std::function<void()> paint_;
};

}  // namespace ferlo
