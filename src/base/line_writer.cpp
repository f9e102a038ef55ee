#include "base/line_writer.h"

#include "base/file_errors.h"

namespace ferlo {

LineWriter::LineWriter(std::ostream& out, std::string name) : out_(out), name_(std::move(name)) {}

void LineWriter::writeLine(std::string_view text) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.write("\r\n", 2);
    if (!out_) {
        throw WriteError("Could not write to " + name_);
    }
}

}  // namespace ferlo
