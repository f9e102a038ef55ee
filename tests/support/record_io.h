#pragma once

#include <sstream>
#include <string>

#include "base/line_writer.h"
#include "base/value_reader.h"
#include "base/value_writer.h"

namespace ferlo::testing {

// The lines `write` puts into a project file through a ValueWriter, as the
// program writes them (CR LF).
template <typename Write>
std::string writtenLines(Write write) {
    std::ostringstream out;
    LineWriter lines(out, "test.flx");
    ValueWriter writer(lines);
    write(writer);
    return out.str();
}

// Runs `read` on a ValueReader over `text`.
template <typename Read>
void readLines(const std::string& text, Read read) {
    std::istringstream in(text);
    ValueReader reader(in, "test.flx");
    read(reader);
}

}  // namespace ferlo::testing
