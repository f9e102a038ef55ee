#include "base/line_source.h"

#include <sstream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "base/value_reader.h"
#include "base/value_writer.h"

namespace ferlo {
namespace {

// A stream of `size` characters of `fill` (a line end at its end) that counts
// how many characters were taken from it.
class CountingBuffer : public std::streambuf {
public:
    CountingBuffer(std::size_t size, char fill) : left_(size), block_(4096, fill) {}
    std::size_t taken() const { return taken_; }

protected:
    int_type underflow() override {
        if (left_ == 0) return traits_type::eof();
        const std::size_t n = std::min(left_, block_.size());
        left_ -= n;
        taken_ += n;
        if (left_ == 0) block_[n - 1] = '\n';
        setg(block_.data(), block_.data(), block_.data() + n);
        return traits_type::to_int_type(block_[0]);
    }

private:
    std::size_t left_;
    std::size_t taken_ = 0;
    std::string block_;
};

TEST(LineSource, HandsOutLinesWithoutTheirEndsAcrossRefills) {
    // Lines long enough that some cross the end of the buffer's blocks.
    std::string text;
    for (int i = 0; i < 200; ++i) text += std::string(static_cast<std::size_t>(i * 17 % 4000), 'a' + i % 26) + (i % 2 ? "\r\n" : "\n");
    text += "last";
    std::istringstream in(text);
    LineSource lines(in, "t");
    std::string_view line;
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(lines.next(line)) << i;
        EXPECT_EQ(line, std::string(static_cast<std::size_t>(i * 17 % 4000), 'a' + i % 26)) << i;
    }
    ASSERT_TRUE(lines.next(line));
    EXPECT_EQ(line, "last");
    EXPECT_EQ(lines.lineNumber(), 201);
    EXPECT_FALSE(lines.next(line));
    EXPECT_TRUE(lines.atEnd());
}

TEST(LineSource, ALineAtTheBoundReadsAndOneBeyondStopsTheReading) {
    for (const std::string end : {"\n", "\r\n"}) {
        std::istringstream in("1\n" + std::string(kMaxLineLength, '7') + end + "2" + end);
        LineSource lines(in, "t");
        std::string_view line;
        ASSERT_TRUE(lines.next(line));
        ASSERT_TRUE(lines.next(line));
        EXPECT_EQ(line.size(), kMaxLineLength);
        ASSERT_TRUE(lines.next(line));
        EXPECT_EQ(line, "2");
    }
    // 64 MB on one line: the reading stops within one block past the bound.
    constexpr std::size_t kHuge = 64u << 20;
    CountingBuffer buffer(kHuge, '7');
    std::istream in(&buffer);
    LineSource lines(in, "huge.flx");
    std::string_view line;
    try {
        lines.next(line);
        ADD_FAILURE() << "a line beyond the bound was read";
    } catch (const ReadError& error) {
        EXPECT_EQ(error.line(), 1);
        EXPECT_EQ(error.reason(), "the line is longer than " + std::to_string(kMaxLineLength) + " characters");
    }
    EXPECT_LE(buffer.taken(), kMaxLineLength + 2 * 65536);
}

TEST(LineSource, AnErrorQuotesAtMostAnExcerptOfItsLine) {
    const std::string longText(kMaxLineLength - 10, 'x');
    EXPECT_EQ(excerpt(longText), std::string(80, 'x') + "...");
    EXPECT_EQ(excerpt("short"), "short");
    // Cut before a character of two bytes rather than through it.
    EXPECT_EQ(excerpt(std::string(79, 'x') + "\xC3\xA9" + longText), std::string(79, 'x') + "...");

    for (const char* kind : {"number", "flag"}) {
        std::istringstream in(longText + "\r\n");
        ValueReader reader(in, "bad.flx");
        try {
            if (std::string_view(kind) == "number") {
                reader.readDouble();
            } else {
                reader.readBool();
            }
            ADD_FAILURE() << kind;
        } catch (const ReadError& error) {
            EXPECT_NE(error.reason().find(excerpt(longText)), std::string::npos) << kind;
            EXPECT_LT(error.reason().size(), 120u) << kind;
        }
    }
}

TEST(ValueWriter, RefusesATextLongerThanALineTheReaderTakes) {
    std::ostringstream out;
    LineWriter lines(out, "t");
    ValueWriter writer(lines);
    writer.string(std::string(kMaxLineLength - 2, 'n'));
    try {
        writer.string(std::string(kMaxLineLength - 1, 'n'));
        ADD_FAILURE() << "a text beyond the bound was written";
    } catch (const WriteError& error) {
        EXPECT_LT(std::string_view(error.what()).size(), 200u);
    }
    std::istringstream in(out.str());
    ValueReader reader(in, "t");
    EXPECT_EQ(reader.readString().size(), kMaxLineLength - 2);
    EXPECT_TRUE(reader.atEnd());
}

}  // namespace
}  // namespace ferlo
