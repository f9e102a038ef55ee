#include "base/value_writer.h"

#include <charconv>
#include <cmath>
#include <string>

#include "base/file_errors.h"
#include "base/number_text.h"
#include "base/value_reader.h"

namespace ferlo {

void ValueWriter::keyword(std::string_view name) { out_.writeLine(name); }

void ValueWriter::integer(std::int64_t value) {
    char digits[24];
    out_.writeLine({digits, std::to_chars(digits, digits + sizeof digits, value).ptr});
}

void ValueWriter::number(double value) {
    // The reader refuses such a number, so it would make the file unreadable.
    if (!(std::fabs(value) <= kMaxFileMagnitude)) {
        const std::string text = std::isfinite(value) ? formatNumber(value) : std::isnan(value) ? "NaN" : "infinity";
        throw WriteError(out_.name() + ": the number " + text + " is beyond what a file can hold");
    }
    out_.writeLine(NumberText(value).view());
}

void ValueWriter::boolean(bool value) { out_.writeLine(value ? "#TRUE#" : "#FALSE#"); }

void ValueWriter::string(std::string_view value) {
    // The reader takes everything between the first and the last quote of the
    // line, so quotes inside stay as they are; a line break would split the value.
    if (!isTextValue(value)) {
        throw WriteError("A text value cannot hold a line break or a NUL character: " + excerpt(value));
    }
    // Nor could the reader take a line longer than its bound.
    if (value.size() + 2 > kMaxLineLength) {
        throw WriteError("A text value cannot be longer than " + std::to_string(kMaxLineLength - 2) +
                         " characters: " + excerpt(value));
    }
    std::string& line = out_.startLine();
    line += '"';
    line += value;
    line += '"';
    out_.endLine();
}

}  // namespace ferlo
