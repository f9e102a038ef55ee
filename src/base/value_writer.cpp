#include "base/value_writer.h"

#include <string>

#include "base/file_errors.h"
#include "base/number_text.h"

namespace ferlo {

void ValueWriter::keyword(std::string_view name) { out_.writeLine(name); }

void ValueWriter::integer(std::int64_t value) { out_.writeLine(std::to_string(value)); }

void ValueWriter::number(double value) { out_.writeLine(formatNumber(value)); }

void ValueWriter::boolean(bool value) { out_.writeLine(value ? "#TRUE#" : "#FALSE#"); }

void ValueWriter::string(std::string_view value) {
    // The reader takes everything between the first and the last quote of the
    // line, so quotes inside stay as they are; a line break would split the value.
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        throw WriteError("A text value cannot hold a line break: " + std::string(value));
    }
    std::string line;
    line.reserve(value.size() + 2);
    line += '"';
    line += value;
    line += '"';
    out_.writeLine(line);
}

}  // namespace ferlo
