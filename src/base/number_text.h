#pragma once

#include <array>
#include <cstddef>
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

// The text formatNumber gives, held in a buffer of its own: a writer of
// millions of numbers allocates no string for them. Throws as formatNumber.
class NumberText {
public:
    explicit NumberText(double value);
    std::string_view view() const { return {chars_.data(), size_}; }

private:
    std::array<char, 32> chars_;  // the exponent form has at most 24 characters
    std::size_t size_ = 0;
};

// The text of NumberText written at `first` (room for 32 characters);
// returns its end. Throws as formatNumber.
char* writeNumber(char* first, double value);

// The text std::to_chars gives for `value` in general notation with 15
// significant digits ("12.5", "0.333333333333333", "1e-05"), written at
// `first` (room for 32 characters); returns its end. Much faster than the
// general conversion for the usual magnitudes. `value` must be finite.
char* writeFifteenDigits(char* first, double value);

// Reads a whole string as a decimal number: an optional sign ('+' too),
// digits with an optional point (the digit before it may be missing), an
// optional exponent ("E-05", "e+3"). Surrounding blanks are allowed.
// Anything else, or a value that is not finite, gives nothing.
std::optional<double> parseNumber(std::string_view text);

}  // namespace ferlo
