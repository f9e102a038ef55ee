#include "base/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace ferlo {

namespace {

constexpr std::size_t kLongestPlainText = 24;

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

}  // namespace

std::string formatNumber(double value) { return std::string(NumberText(value).view()); }

NumberText::NumberText(double value) {
    if (!std::isfinite(value)) {
        throw std::invalid_argument("a number that is not finite cannot be written");
    }
    if (value == 0.0) {
        chars_[0] = '0';  // also for negative zero
        size_ = 1;
        return;
    }
    // Plain decimal notation where it stays short, exponent form otherwise;
    // both are the shortest text that reads back exactly.
    char* const first = chars_.data();
    auto written = std::to_chars(first, first + kLongestPlainText, value, std::chars_format::fixed);
    if (written.ec != std::errc{}) {
        written = std::to_chars(first, first + chars_.size(), value, std::chars_format::scientific);
    }
    if (written.ec != std::errc{}) {
        throw std::invalid_argument("number cannot be written");
    }
    size_ = static_cast<std::size_t>(written.ptr - first);
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
