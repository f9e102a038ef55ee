#include "base/line_writer.h"

#include "base/file_errors.h"

namespace ferlo {

LineWriter::LineWriter(std::ostream& out, std::string name) : out_(out), name_(std::move(name)) {}

void LineWriter::writeLine(std::string_view text) {
    startLine().assign(text);
    endLine();
}

std::string& LineWriter::startLine() {
    line_.clear();
    return line_;
}

// The line goes straight to the stream's buffer in one piece: a file is
// written line by line, and the stream's own bookkeeping per call would cost
// more than the text itself. A buffer that fails throws from here (the atomic
// file's WriteError) or takes fewer characters than given.
void LineWriter::endLine() {
    line_ += kLineEnd;
    std::streambuf* buffer = out_.rdbuf();
    const auto size = static_cast<std::streamsize>(line_.size());
    if (!out_ || !buffer || buffer->sputn(line_.data(), size) != size) {
        throw WriteError("Could not write to " + name_);
    }
}

}  // namespace ferlo
