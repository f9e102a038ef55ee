#pragma once

#include <QSize>

namespace ferlo {

// What the main window measures of the screen: the work area (the desktop
// without the task bar) in pixels, the logical resolution that decides
// small-fonts mode and converts pixels to the 3D box's twips, and the whole
// screen's size in pixels (the work area unless told). Tests give their own
// values.
class ScreenMeasure {
public:
    virtual ~ScreenMeasure() = default;
    virtual QSize workArea() const = 0;
    virtual double logicalDpi() const = 0;
    virtual QSize screenSize() const { return workArea(); }
};

// The primary screen's.
class QtScreenMeasure : public ScreenMeasure {
public:
    QSize workArea() const override;
    double logicalDpi() const override;
    QSize screenSize() const override;
};

}  // namespace ferlo
