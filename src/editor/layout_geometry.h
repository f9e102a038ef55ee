#pragma once

#include <QRect>
#include <QWidget>

#include "ui_core/main_window_layout.h"

namespace ferlo {

inline QRect toQRect(const LayoutRect& r) { return {r.left, r.top, r.width, r.height}; }
inline LayoutRect layoutRectOf(const QWidget& widget) {
    const QRect g = widget.geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}
inline void place(QWidget& widget, const LayoutRect& r) { widget.setGeometry(toQRect(r)); }

}  // namespace ferlo
