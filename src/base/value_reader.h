#pragma once

#include <cmath>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "base/line_source.h"

namespace ferlo {

// The largest magnitude a number in a file may have. No design comes near it,
// and it keeps every product the geometry forms from it finite.
inline constexpr double kMaxFileMagnitude = 1e12;
// The value's magnitude is at most kMaxFileMagnitude (so it is finite).
inline bool fitsProjectFile(double value) { return std::fabs(value) <= kMaxFileMagnitude; }

// Reads the lines of a project or preferences file, one value per line, each
// as the type of the field it fills, through a LineSource (so lines are
// bounded by kMaxLineLength and none is copied). Accepts CR LF and LF line
// ends. Every failure (end of file, a line too long, a value that cannot be
// read, an integer out of the field's range) throws ReadError naming the file
// and the line; a message quotes at most an excerpt of the line.
class ValueReader {
public:
    ValueReader(std::istream& in, std::string fileName);

    // A keyword line, read whole and not checked.
    void skipKeyword();
    // The next line as it stands (without its line end).
    std::string readLine();

    std::int16_t readInt16();
    std::int32_t readInt32();
    // A 16-bit count that must lie within [minimum, maximum]; checked before
    // the caller allocates anything for it.
    std::int16_t readCount(int minimum, int maximum, const char* what);
    // A number of at most kMaxFileMagnitude.
    double readDouble();
    bool readBool();
    std::string readString();

    bool atEnd() { return lines_.atEnd(); }
    int lineNumber() const { return lines_.lineNumber(); }  // of the line read last
    const std::string& fileName() const { return lines_.fileName(); }

    [[noreturn]] void fail(const std::string& what) const;

private:
    // The next line without its line end, valid until the next read.
    std::string_view nextLine();
    std::int64_t readInteger(std::int64_t minimum, std::int64_t maximum);

    LineSource lines_;
};

}  // namespace ferlo
