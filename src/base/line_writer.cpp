#include "base/line_writer.h"

#include <cstring>

#include "base/file_errors.h"

namespace ferlo {

LineWriter::LineWriter(std::ostream& out, std::string name) : out_(out), name_(std::move(name)) {}

// A short line (most of a project file's are one number) goes out from the
// stack with its line end, without a copy into the line buffer.
void LineWriter::writeLine(std::string_view text) {
    constexpr std::size_t kShortLine = 62;
    if (text.size() > kShortLine) {
        startLine().assign(text);
        endLine();
        return;
    }
    char line[kShortLine + kLineEnd.size()];
    std::memcpy(line, text.data(), text.size());
    std::memcpy(line + text.size(), kLineEnd.data(), kLineEnd.size());
    put({line, text.size() + kLineEnd.size()});
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
    put(line_);
}

void LineWriter::put(std::string_view text) {
    std::streambuf* buffer = out_.rdbuf();
    const auto size = static_cast<std::streamsize>(text.size());
    if (!out_ || !buffer || buffer->sputn(text.data(), size) != size) {
        throw WriteError("Could not write to " + name_);
    }
}

}  // namespace ferlo
