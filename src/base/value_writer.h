#pragma once

#include <cstdint>
#include <string_view>

#include "base/line_writer.h"

namespace ferlo {

// Writes the lines of a project or preferences file: keyword lines as plain
// text and one value per line (locale-free numbers, "#TRUE#"/"#FALSE#",
// strings between double quotes). Every line ends in CR LF.
class ValueWriter {
public:
    explicit ValueWriter(LineWriter& out) : out_(out) {}

    void keyword(std::string_view name);
    void integer(std::int64_t value);
    // Throws WriteError for a number the reader would refuse (NaN, infinity,
    // a magnitude above kMaxFileMagnitude).
    void number(double value);
    void boolean(bool value);
    // Throws WriteError for a text with a line break or a NUL character, or
    // too long for a line the reader takes (kMaxLineLength with its quotes).
    void string(std::string_view value);

private:
    LineWriter& out_;
};

}  // namespace ferlo
