#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace ferlo {

// Whether `text` can be a text value of a file: it holds no line break (CR
// or LF), which would split its line, and no NUL, which no file name holds.
inline bool isTextValue(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// Writes text line by line, every line ended by CR LF, into a stream. Every
// text file of the program goes through one; a failed write throws WriteError.
class LineWriter {
public:
    // `name` names the destination in error messages.
    LineWriter(std::ostream& out, std::string name);

    void writeLine(std::string_view text);
    const std::string& name() const { return name_; }

private:
    std::ostream& out_;
    std::string name_;
};

}  // namespace ferlo
