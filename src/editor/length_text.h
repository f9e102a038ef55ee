#pragma once

#include <QString>

#include "base/units.h"

namespace ferlo {

// The one form in which the editor shows a length (`Formatter`): in inches
// with two decimals and no digit before the point below 1 (".50", "27.56");
// in millimetres the greatest whole number not above it ("12" for 12.9,
// "-1" for -0.5).
QString Formatter(double x, LengthUnit unit);

}  // namespace ferlo
