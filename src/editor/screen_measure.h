#pragma once

#include <QSize>

namespace ferlo {

// What the main window's layout measures of the screen: the work area (the
// desktop without the task bar) in pixels and the logical resolution that
// decides small-fonts mode. Tests give their own values.
class ScreenMeasure {
public:
    virtual ~ScreenMeasure() = default;
    virtual QSize workArea() const = 0;
    virtual double logicalDpi() const = 0;
};

// The primary screen's.
class QtScreenMeasure : public ScreenMeasure {
public:
    QSize workArea() const override;
    double logicalDpi() const override;
};

}  // namespace ferlo
