#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace ferlo {

// The longest line a project, preferences or airfoil file may hold, without
// its line end. A valid file's longest line is a quoted file name (at most
// 255 bytes) or a number; the bound leaves room for any path and keeps a
// damaged file with one huge line from being taken in whole.
inline constexpr std::size_t kMaxLineLength = 4096;

// The lines of a text stream, read through one buffer of its own: each line
// is handed out as a view into that buffer (valid until the next call), so no
// line is copied. Accepts CR LF and LF line ends. A line longer than
// kMaxLineLength throws ReadError naming `fileName` and the line once that
// many characters have been read, so no more of it is read.
class LineSource {
public:
    LineSource(std::istream& in, std::string fileName);

    // The next line without its line end; false at the end of the text.
    bool next(std::string_view& line);
    bool atEnd();
    int lineNumber() const { return lineNumber_; }  // of the line read last
    const std::string& fileName() const { return fileName_; }

private:
    // Moves the unread text to the front and reads more behind it; false when
    // the stream gave nothing more.
    bool refill();

    std::istream& in_;
    std::string fileName_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // the unread text is [begin_, end_)
    std::size_t end_ = 0;
    bool exhausted_ = false;
    int lineNumber_ = 0;
};

// What an error message quotes of a text read: the text itself when short,
// else its first 80 characters (never half a UTF-8 character) and "...".
std::string excerpt(std::string_view text);

}  // namespace ferlo
