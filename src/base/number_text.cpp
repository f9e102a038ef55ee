#include "base/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace ferlo {

namespace {

constexpr std::size_t kLongestPlainText = 24;

// The shortest text of `value` in `format` when it has at most `longest`
// characters; nothing when it is longer.
template <std::size_t longest>
std::optional<std::string> toChars(double value, std::chars_format format) {
    std::array<char, longest> buffer;
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format);
    if (error != std::errc{}) return std::nullopt;
    return std::string(buffer.data(), end);
}

std::string_view trimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string formatNumber(double value) {
    if (!std::isfinite(value)) {
        throw std::invalid_argument("a number that is not finite cannot be written");
    }
    if (value == 0.0) {
        return "0";  // also for negative zero
    }
    // Plain decimal notation where it stays short, exponent form otherwise;
    // both are the shortest text that reads back exactly. The exponent form
    // of a double has at most 24 characters ("-2.2250738585072014e-308").
    if (auto plain = toChars<kLongestPlainText>(value, std::chars_format::fixed)) return std::move(*plain);
    if (auto scientific = toChars<32>(value, std::chars_format::scientific)) return std::move(*scientific);
    throw std::invalid_argument("number cannot be written");
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
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
