#pragma once

#include <memory>
#include <optional>

#include <QPoint>
#include <QString>

#include "ui_core/glide.h"

class QEventLoop;
class QLabel;
class QObject;
class QPushButton;
class QTimer;

namespace ferlo {

class DrawingAreaInput;
class Editor;
class ViewSetup;

// The guided first-use demonstration (`Helper`): four messages and three
// scenes, a mouse edit, a move with Shift and a section insert with Ctrl,
// each pressing the drawing area where a user would and gliding the pointer
// to carry the drag on. The glides are stepped by `Timer2` every 30 ms; the
// scene waits for each in an event loop of its own. The drawing area takes
// the presses, the releases and the glide's moves directly; the real pointer
// is moved along where the platform allows, else a pointer picture shows
// the way. While the demonstration runs, the user's own mouse and key input
// to the main window is ignored. Closing the window ends it at once.
class Demonstration {
public:
    Demonstration(Editor& main, ViewSetup& views, DrawingAreaInput& input);
    ~Demonstration();

    // The whole demonstration as start-up runs it: the messages, the three
    // scenes, and the fuselage tab with the Side view before the last one.
    void run();
    bool running() const { return running_; }

    // The scenes, each given the current view's transform.
    void demoMouseEdit(double zoom, double xoff, double yoff);
    void demoShiftMove(double zoom, double xoff, double yoff);
    void demoCtrlSection(double zoom, double xoff, double yoff);

    // With `glide`, the pointer glides from where the last move went to
    // (x, y), screen pixels; in any case the next glide starts there.
    void moveMouseTo(double x, double y, bool glide);
    // Puts the pointer at `from`, glides to `to` and returns when there.
    void glideCursor(Point2D from, Point2D to);
    // One glide step.
    void Timer2_Timer();

    QTimer* Timer2;
    QPushButton* ShiftButton;  // the modifier key shown while a scene holds it
    QLabel* pointerPicture;    // where the pointer goes, when the platform cannot move it

private:
    // The pointer at a glide position, and the drawing area's move there.
    void pointerTo(Point2D position);
    // The drawing-area point `p` on the screen, and the screen's middle.
    QPoint screenPointOf(Point2D p) const;
    Point2D screenCentre() const;
    Point2D tipMiddle(double zoom, double xoff, double yoff) const;
    // Jumps to the screen's middle and glides onto the drawing-area point
    // `p`: its screen point, or nothing when `p` is no point or the run ended.
    std::optional<QPoint> glideOnto(Point2D p);
    // Presses at `p` with `modifier` set, glides to the screen point `to`,
    // clears the modifier and releases at `p`; false when the run ended.
    bool dragTo(Point2D p, const QPoint& to, bool* modifier);
    // `ShiftButton` with `caption`, its top-left corner at a screen point.
    void showKey(const QString& caption, const QPoint& screen);
    // The window closed: the glide stopped, the rest of the run skipped.
    void end();

    Editor& main_;
    ViewSetup& views_;
    DrawingAreaInput& input_;
    Glide glide_;
    Point2D demoLast_;
    QEventLoop* waiting_ = nullptr;  // the wait for the glide under way
    std::unique_ptr<QObject> inputBlock_;
    bool running_ = false;
    bool ended_ = false;
};

}  // namespace ferlo
