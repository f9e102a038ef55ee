#include "base/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace ferlo {

namespace {

constexpr std::size_t kLongestPlainText = 24;
constexpr std::size_t kLongestText = 32;

std::string_view trimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// Plain decimals of at most 15 digits and no exponent ("-12.5", "700",
// ".13"), which are most numbers of a file: the digits form an exact whole
// number and the point a power of ten that is exact too, so one division
// gives the correctly rounded value, the one from_chars gives. Anything else
// gives nothing and takes the general path.
std::optional<double> shortDecimal(std::string_view text) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t at = 0;
    const bool negative = text.front() == '-';
    if (negative) ++at;
    std::uint64_t whole = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            if (++digits > 15) return std::nullopt;
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
            if (point) ++decimals;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    const double value = static_cast<double>(whole) / kPowersOfTen[decimals];
    return negative ? -value : value;
}


// Most numbers written are whole or have a few decimals ("700", "12.5"):
// the fewest decimals (at most kMostDecimals) with which `magnitude` (> 0)
// is a decimal of at most 15 digits that reads back to exactly it, and that
// decimal's digits as one whole number. Decimals of 15 digits lie far enough
// apart that no other one of as many decimals reads back to the value, so
// this is the shortest text of the value, and its rounding to 15 digits too.
struct ScaledDecimal {
    std::uint64_t digits;
    int decimals;
};

constexpr int kMostDecimals = 6;
constexpr double kDecimalsScale = 1e6;        // 10^kMostDecimals
constexpr double kMostScaled = 1e15;          // 15 digits
constexpr double kMostWithDecimals = 1e9;     // kMostScaled / kDecimalsScale

std::optional<ScaledDecimal> fewDecimals(double magnitude) {
    // A whole value needs no division.
    if (magnitude < kMostScaled) {
        const auto whole = static_cast<std::uint64_t>(magnitude);
        if (static_cast<double>(whole) == magnitude) return ScaledDecimal{whole, 0};
    }
    // Scaled by the most decimals, the value lies within a small fraction of
    // the decimal's digits when there is one; the division, rounded
    // correctly, tells whether that decimal reads back to the value.
    const bool withDecimals = magnitude < kMostWithDecimals;
    const double scale = withDecimals ? kDecimalsScale : 1.0;
    const double scaled = magnitude * scale;
    if (!(scaled < kMostScaled)) return std::nullopt;
    const auto digits = static_cast<std::uint64_t>(scaled + 0.5);
    if (static_cast<double>(digits) / scale != magnitude) return std::nullopt;
    ScaledDecimal decimal{digits, withDecimals ? kMostDecimals : 0};
    while (decimal.decimals > 0 && decimal.digits % 10 == 0) {
        decimal.digits /= 10;
        --decimal.decimals;
    }
    return decimal;
}

char* copyChars(char* out, const char* first, std::size_t count) {
    std::memcpy(out, first, count);
    return out + count;
}

char* writeZeros(char* out, std::size_t count) {
    std::memset(out, '0', count);
    return out + count;
}

// Decimal digits with the point `pointAfter` digits from their start (0 or
// less: "0." and zeros first; at or past their end: zeros and no point).
char* writePlainDigits(char* out, std::string_view digits, int pointAfter) {
    if (pointAfter <= 0) {
        out = copyChars(out, "0.", 2);
        out = writeZeros(out, static_cast<std::size_t>(-pointAfter));
        return copyChars(out, digits.data(), digits.size());
    }
    const auto whole = static_cast<std::size_t>(pointAfter);
    if (whole >= digits.size()) {
        out = copyChars(out, digits.data(), digits.size());
        return writeZeros(out, whole - digits.size());
    }
    out = copyChars(out, digits.data(), whole);
    *out++ = '.';
    return copyChars(out, digits.data() + whole, digits.size() - whole);
}

// The decimal's digits straight into place: the whole part, then the point
// and the decimals, zeros first where the digits are fewer ("0.05").
char* writeScaled(char* out, ScaledDecimal number) {
    if (number.decimals == 0) return std::to_chars(out, out + 20, number.digits).ptr;
    static constexpr std::uint64_t kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    const std::uint64_t unit = kPowersOfTen[number.decimals];
    out = std::to_chars(out, out + 20, number.digits / unit).ptr;
    *out++ = '.';
    std::uint64_t decimals = number.digits % unit;
    for (int k = number.decimals - 1; k >= 0; --k) {
        out[k] = static_cast<char>('0' + decimals % 10);
        decimals /= 10;
    }
    return out + number.decimals;
}

// The shortest text of `magnitude` (> 0) rounded to 15 significant digits
// in plain notation, as the general conversion writes it: written at `out`
// when the rounding is certain and the notation plain. The shortest text
// lies on the same side of every 15-digit rounding boundary as the value
// itself (a boundary between them would be a shorter or closer text of the
// value), unless it is that boundary, a 16-digit text ending in 5.
char* roundedShortest(char* out, double magnitude) {
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific).ptr;
    // "d.ddde+XX" or "de-XX": the digits and the power of ten of the first.
    std::array<char, 20> digits{};
    std::size_t count = 0;
    const char* at = text;
    for (; *at != 'e'; ++at) {
        if (*at != '.') digits[count++] = *at;
    }
    int exponent = 0;
    std::from_chars(at + 2, end, exponent);
    if (at[1] == '-') exponent = -exponent;
    if (count > 15) {
        if (count == 16 && digits[15] == '5') return nullptr;
        const bool up = digits[15] >= '5';
        count = 15;
        if (up) {
            std::size_t k = count;
            while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
            if (k == 0) {
                digits[0] = '1';
                ++exponent;
            } else {
                ++digits[k - 1];
            }
        }
        while (digits[count - 1] == '0') --count;
    }
    if (exponent < -4 || exponent >= 15) return nullptr;  // the exponent form
    return writePlainDigits(out, {digits.data(), count}, exponent + 1);
}

}  // namespace

std::string formatNumber(double value) { return std::string(NumberText(value).view()); }

NumberText::NumberText(double value)
    : size_(static_cast<std::size_t>(writeNumber(chars_.data(), value) - chars_.data())) {}

char* writeNumber(char* first, double value) {
    if (!std::isfinite(value)) {
        throw std::invalid_argument("a number that is not finite cannot be written");
    }
    if (value == 0.0) {
        *first = '0';  // also for negative zero
        return first + 1;
    }
    // Plain decimal notation where it stays short, exponent form otherwise;
    // both are the shortest text that reads back exactly.
    if (const auto decimal = fewDecimals(std::fabs(value))) {
        char* out = first;
        if (value < 0) *out++ = '-';
        return writeScaled(out, *decimal);
    }
    auto written = std::to_chars(first, first + kLongestPlainText, value, std::chars_format::fixed);
    if (written.ec != std::errc{}) {
        written = std::to_chars(first, first + kLongestText, value, std::chars_format::scientific);
    }
    if (written.ec != std::errc{}) {
        throw std::invalid_argument("number cannot be written");
    }
    return written.ptr;
}

char* writeFifteenDigits(char* first, double value) {
    char* out = first;
    if (std::signbit(value)) *out++ = '-';
    const double magnitude = std::fabs(value);
    if (magnitude == 0) {
        *out++ = '0';
        return out;
    }
    if (magnitude >= 1e-4) {
        if (const auto decimal = fewDecimals(magnitude)) return writeScaled(out, *decimal);
    }
    if (char* end = roundedShortest(out, magnitude)) return end;
    return std::to_chars(out, out + 31, magnitude, std::chars_format::general, 15).ptr;
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    if (const auto value = shortDecimal(text)) return value;
    // Only digits, one sign, a point and an exponent: no "inf", "nan" or hex.
    for (char c : text) {
        const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!allowed) return std::nullopt;
    }
    double value = 0.0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc{} || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace ferlo
