#include "base/line_writer.h"

#include "base/file_errors.h"

namespace ferlo {

LineWriter::LineWriter(std::ostream& out, std::string name) : out_(out), name_(std::move(name)) {}

// The text goes straight to the stream's buffer: a file is written line by
// line, and the stream's own bookkeeping per call would cost more than the
// text itself. A buffer that fails throws from here (the atomic file's
// WriteError) or takes fewer characters than given.
void LineWriter::writeLine(std::string_view text) {
    std::streambuf* buffer = out_.rdbuf();
    const auto size = static_cast<std::streamsize>(text.size());
    const bool written = out_ && buffer && buffer->sputn(text.data(), size) == size && buffer->sputn("\r\n", 2) == 2;
    if (!written) {
        throw WriteError("Could not write to " + name_);
    }
}

}  // namespace ferlo
