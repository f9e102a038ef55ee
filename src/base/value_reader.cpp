#include "base/value_reader.h"

#include <cmath>
#include <limits>

#include "base/file_errors.h"
#include "base/line_writer.h"
#include "base/number_text.h"

namespace ferlo {

ValueReader::ValueReader(std::istream& in, std::string fileName) : lines_(in, std::move(fileName)) {}

void ValueReader::fail(const std::string& what) const { throw ReadError(fileName(), lineNumber(), what); }

std::string_view ValueReader::nextLine() {
    std::string_view line;
    if (!lines_.next(line)) throw ReadError(fileName(), lineNumber() + 1, "unexpected end of file");
    return line;
}

std::string ValueReader::readLine() { return std::string(nextLine()); }

void ValueReader::skipKeyword() { nextLine(); }

double ValueReader::readDouble() {
    const std::string_view line = nextLine();
    const auto value = parseNumber(line);
    if (!value) fail("\"" + excerpt(line) + "\" is not a number");
    if (std::fabs(*value) > kMaxFileMagnitude) fail("the value " + excerpt(line) + " is too large");
    return *value;
}

std::int64_t ValueReader::readInteger(std::int64_t minimum, std::int64_t maximum) {
    const double value = readDouble();
    // A fraction is rounded to the nearest whole number, halves to even.
    const double whole = std::nearbyint(value);
    if (whole < static_cast<double>(minimum) || whole > static_cast<double>(maximum)) {
        fail(formatNumber(value) + " does not fit the field");
    }
    return static_cast<std::int64_t>(whole);
}

std::int16_t ValueReader::readInt16() {
    return static_cast<std::int16_t>(readInteger(std::numeric_limits<std::int16_t>::min(),
                                                 std::numeric_limits<std::int16_t>::max()));
}

std::int32_t ValueReader::readInt32() {
    return static_cast<std::int32_t>(readInteger(std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

std::int16_t ValueReader::readCount(int minimum, int maximum, const char* what) {
    const std::int16_t count = readInt16();
    if (count < minimum || count > maximum) {
        fail(std::string("the ") + what + " " + std::to_string(count) + " is not between " +
             std::to_string(minimum) + " and " + std::to_string(maximum));
    }
    return count;
}

bool ValueReader::readBool() {
    const std::string_view line = nextLine();
    if (line == "#TRUE#") return true;
    if (line == "#FALSE#") return false;
    fail("\"" + excerpt(line) + "\" is not #TRUE# or #FALSE#");
}

std::string ValueReader::readString() {
    const std::string_view line = nextLine();
    if (line.size() < 2 || line.front() != '"' || line.back() != '"') {
        fail("a text between double quotes was expected");
    }
    std::string value(line.substr(1, line.size() - 2));
    // The writer could not write it back, so no later save would succeed.
    if (!isTextValue(value)) fail("a text cannot hold a line break or a NUL character");
    return value;
}

}  // namespace ferlo
