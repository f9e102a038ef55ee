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

    // A line built in place: startLine gives the writer's own buffer emptied,
    // endLine writes what it then holds as one line. The buffer is kept from
    // line to line, so building a line allocates nothing once it has grown.
    // Text of several lines joined by kLineEnd goes out in one piece alike.
    std::string& startLine();
    void endLine();

    const std::string& name() const { return name_; }

    static constexpr std::string_view kLineEnd = "\r\n";

private:
    // `text` written to the stream in one piece.
    void put(std::string_view text);

    std::ostream& out_;
    std::string name_;
    std::string line_;
};

}  // namespace ferlo
