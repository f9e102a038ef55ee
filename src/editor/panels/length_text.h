#pragma once

#include <optional>

#include <QString>
#include <QStringView>

#include "base/units.h"

namespace ferlo {

// The one form in which the editor shows a length (`Formatter`): in inches
// with two decimals and no digit before the point below 1 (".50", "27.56");
// in millimetres the greatest whole number not above it ("12" for 12.9,
// "-1" for -0.5).
QString Formatter(double x, LengthUnit unit);

// The number a parameter box's text starts with: blanks anywhere are
// skipped, then an optional sign, digits with an optional point (always a
// point, whatever the locale) and an optional exponent; reading stops at
// the first character that cannot continue the number ("12abc" is 12).
// No value for a text that does not start with a number (the empty text
// too), nor for a value a project file could not hold (beyond
// kMaxFileMagnitude, or not finite), so a typed value can always be saved;
// `refusal` then says why, as the box's tooltip shows it.
struct LeadingNumber {
    std::optional<double> value;
    QString refusal;
};
LeadingNumber leadingNumberOf(QStringView text);
inline std::optional<double> readLeadingNumber(QStringView text) { return leadingNumberOf(text).value; }

}  // namespace ferlo
