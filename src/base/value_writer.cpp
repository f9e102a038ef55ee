#include "base/value_writer.h"

#include <string>

#include "base/number_text.h"

namespace ferlo {

void ValueWriter::keyword(std::string_view name) { out_.writeLine(name); }

void ValueWriter::integer(std::int64_t value) { out_.writeLine(std::to_string(value)); }

void ValueWriter::number(double value) { out_.writeLine(formatNumber(value)); }

void ValueWriter::boolean(bool value) { out_.writeLine(value ? "#TRUE#" : "#FALSE#"); }

void ValueWriter::string(std::string_view value) {
    std::string line;
    line.reserve(value.size() + 2);
    line += '"';
    // A double quote cannot stand inside a quoted value; it would end it early.
    for (char c : value) line += (c == '"') ? '\'' : c;
    line += '"';
    out_.writeLine(line);
}

}  // namespace ferlo
