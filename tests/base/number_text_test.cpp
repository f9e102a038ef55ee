#include "base/number_text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace ferlo {
namespace {

struct FormatCase {
    double value;
    const char* text;
};

TEST(NumberText, FormatsShortestLocaleFreeText) {
    const FormatCase cases[] = {
        {0.0, "0"},     {-0.0, "0"},          {-12.5, "-12.5"}, {1.25, "1.25"},
        {700.0, "700"}, {0.13, "0.13"},       {-0.5, "-0.5"},   {1e-5, "0.00001"},
        {1.0 / 3.0, "0.3333333333333333"},    {254.0 / 25.4, "10"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
}

TEST(NumberText, EveryFormattedValueReadsBackExactly) {
    const double values[] = {0.1, 1.0 / 3.0, 2.0 / 3.0 * 1e7, 123456.789, -1e-300, 1e300, 0.065 / 0.13,
                             std::nextafter(1.0, 2.0)};
    for (double v : values) {
        const auto back = parseNumber(formatNumber(v));
        ASSERT_TRUE(back.has_value()) << formatNumber(v);
        EXPECT_EQ(*back, v) << formatNumber(v);
    }
}

// Short plain decimals take a path of their own: it must give the value the
// general reading gives, to the last bit, and keep the sign of a zero.
TEST(NumberText, ShortDecimalsReadAsTheGeneralReadingReadsThem) {
    const char* texts[] = {"0.1", "0.3", "-12.5", "123456789012345", "99999.9999999999", "0.000000000000001",
                           "5.", "-.7", "1.7976931348", "0.1234567890123", "600.0000000000001"};
    for (const char* text : texts) {
        double general = 0;
        std::from_chars(text, text + std::strlen(text), general);
        const auto parsed = parseNumber(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*parsed), std::bit_cast<std::uint64_t>(general)) << text;
    }
    EXPECT_TRUE(std::signbit(*parseNumber("-0")));
    EXPECT_TRUE(std::signbit(*parseNumber("-0.0")));
    std::mt19937_64 random(7);
    for (int i = 0; i < 10000; ++i) {
        const double value = std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 60));
        const std::string text = formatNumber(value);
        EXPECT_EQ(parseNumber(text), value) << text;
    }
}

// Whole numbers and short decimals, and their neighbours, are written
// without the general conversion: the text must be the conversion's to the
// last character, for the shortest text and for 15 significant digits.
TEST(NumberText, FastFormsWriteWhatTheGeneralConversionWrites) {
    std::mt19937_64 random(11);
    std::vector<double> values = {0.5, 1e-4, 9.9999999999999e-5, 1e-6, 5e-7, 999999999.999999, 1e9, 1e15 - 1,
                                  1e15, 1e15 + 2, 123456789012345.6, 0.1 + 0.2, 9.9999999999999995, 0.30000000000000004,
                                  1.0000000000000002, 60.84999999999999, 1e-320, 1.7976931348623157e308};
    for (int i = 0; i < 200000; ++i) {
        const double scale = std::pow(10.0, static_cast<int>(random() % 23) - 8);
        const double shortDecimal = static_cast<double>(static_cast<std::int64_t>(random() % 2000000) - 1000000) /
                                    std::pow(10.0, static_cast<int>(random() % 8));
        values.push_back(shortDecimal);
        values.push_back(std::nextafter(shortDecimal, 0.0));
        values.push_back(std::nextafter(shortDecimal, 1e300));
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), -53) * scale);
        values.push_back(std::bit_cast<double>(random() & 0x7fefffffffffffffULL));
    }
    char expected[64];
    char written[64];
    for (const double value : values) {
        const char* end = std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed).ptr;
        if (value != 0 && end - expected <= 24) {
            ASSERT_EQ(NumberText(value).view(), std::string_view(expected, end)) << value;
        }
        end = std::to_chars(expected, expected + sizeof expected, value, std::chars_format::general, 15).ptr;
        ASSERT_EQ(std::string_view(written, writeFifteenDigits(written, value)), std::string_view(expected, end))
            << value;
    }
}

TEST(NumberText, RefusesValuesThatAreNotFinite) {
    EXPECT_THROW(formatNumber(std::numeric_limits<double>::quiet_NaN()), std::invalid_argument);
    EXPECT_THROW(formatNumber(std::numeric_limits<double>::infinity()), std::invalid_argument);
}

TEST(NumberText, ParsesEverySpellingAFileMayHold) {
    const std::pair<const char*, double> cases[] = {
        {".5", 0.5}, {"-.25", -0.25}, {"1E-05", 1e-5}, {"+3", 3.0}, {" 700 ", 700.0},
        {"2.5e+2", 250.0}, {"-0", 0.0}, {"16\r", 16.0},
    };
    for (const auto& [text, value] : cases) {
        const auto parsed = parseNumber(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(*parsed, value) << text;
    }
}

TEST(NumberText, RefusesTextThatIsNotANumber) {
    const char* cases[] = {"", " ", "abc", "1,5", "1.5x", "inf", "nan", "0x10", "+-1", "1e999", "--1", "#TRUE#"};
    for (const char* text : cases) EXPECT_FALSE(parseNumber(text).has_value()) << text;
}

}  // namespace
}  // namespace ferlo
