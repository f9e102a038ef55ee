#pragma once

#include <memory>

#include <QRect>
#include <QTimer>

#include "ui_core/flight.h"

class QShortcut;
class QStatusBar;

namespace ferlo {

class Joystick;
class Editor;
class FlightCommands;
class RenderView;

// The flying preview (`Flying`), run by the toolbar's FlyingPreview button:
// down starts a flight, up (or Escape) ends it. The 3D box covers the window
// below the toolbar at the screen's size, the status bar `FlyingInfo` tells
// whether the joystick or the mouse steers, and a timer draws one frame
// after the other; every other command is disabled meanwhile. The model is
// never changed: the flight shows it scaled in the view. A joystick that
// stops answering hands the steering to the mouse.
class FlyingPreview {
public:
    // Time between two frames, milliseconds.
    static constexpr int kFrameInterval = 20;

    // Registers with `commands` as the FlyingPreview button's hook.
    FlyingPreview(Editor& main, RenderView& view, FlightCommands& commands);
    ~FlyingPreview();

    // The flight's start (`flyingPreview`): the joystick probed, the box
    // enlarged, the projection made for the flight, the starting view drawn
    // with the scene rebuilt, the frames started. Nothing while one runs.
    void start();
    // The flight's end: the frames stopped, the box back in its place, the
    // 3D view set up anew (initGL), the status bar hidden, the commands
    // enabled again. Nothing when none runs.
    void end();
    // One frame: the joystick's rates (when it steers), the view moved on
    // and the list drawn again.
    void frame();

    FlightState& state() { return flight_; }
    QStatusBar* FlyingInfo;
    // The frame timer.
    QTimer* frameTimer() { return &timer_; }

private:
    void showSteering();

    Editor& main_;
    RenderView& view_;
    FlightCommands& commands_;
    FlightState flight_;
    std::unique_ptr<Joystick> joystick_;
    QShortcut* escape_;  // Escape ends a flight; a child of the main window
    QRect renderPlace_;  // the 3D box's place before the flight
    QTimer timer_;
};

}  // namespace ferlo
