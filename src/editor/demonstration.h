#pragma once

namespace ferlo {

class MainWindow;

// The guided first-use demonstration's three scenes, each given the current
// view transform: a mouse edit, a move with Shift, a section insert and
// removal with Ctrl.
class Demonstration {
public:
    explicit Demonstration(MainWindow& main);

    void demoMouseEdit(double zoom, double xoff, double yoff);
    void demoShiftMove(double zoom, double xoff, double yoff);
    void demoCtrlSection(double zoom, double xoff, double yoff);

private:
    [[maybe_unused]] MainWindow& main_;
};

}  // namespace ferlo
