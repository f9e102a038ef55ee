#pragma once

#include <cmath>

#include <QApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QWidget>

#include "base/view_state.h"

namespace ferlo::testing {

// The screen point of a model point in the current view (across, and along
// the view's second axis: down in VTop and in the fuselage's HTop plan, up
// for heights).
inline QPoint screenAt(const ViewState& v, double across, double second, bool down) {
    return {static_cast<int>(std::lround(v.xoff + across * v.zoom)),
            static_cast<int>(std::lround(down ? v.yoff + second * v.zoom : v.yoff - second * v.zoom))};
}

// A mouse move over the widget with `buttons` held, delivered at once (a
// move through the window system may arrive late on a loaded machine).
inline void moveMouse(QWidget& widget, QPoint at, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

}  // namespace ferlo::testing
