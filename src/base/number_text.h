#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ferlo {

// Locale-free number text shared by every file the program writes and reads.

// The shortest text that reads back to exactly the same double, with a point
// as the decimal separator on every locale. Whole values carry no point;
// negative zero is written as "0". Very large or very small magnitudes use an
// exponent ("1e-20"). Throws std::invalid_argument for NaN or infinity.
std::string formatNumber(double value);

// Reads a whole string as a decimal number: an optional sign ('+' too),
// digits with an optional point (the digit before it may be missing), an
// optional exponent ("E-05", "e+3"). Surrounding blanks are allowed.
// Anything else, or a value that is not finite, gives nothing.
std::optional<double> parseNumber(std::string_view text);

}  // namespace ferlo
