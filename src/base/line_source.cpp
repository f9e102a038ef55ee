#include "base/line_source.h"

#include <algorithm>
#include <cstring>

#include "base/file_errors.h"

namespace ferlo {

namespace {

constexpr std::size_t kBlock = 65536;
constexpr std::size_t kExcerptLength = 80;

}  // namespace

LineSource::LineSource(std::istream& in, std::string fileName)
    : in_(in), fileName_(std::move(fileName)), buffer_(kBlock + kMaxLineLength + 2) {}

bool LineSource::refill() {
    if (exhausted_) return false;
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    std::streambuf* source = in_.rdbuf();
    const auto room = static_cast<std::streamsize>(buffer_.size() - end_);
    const std::streamsize got = source ? source->sgetn(buffer_.data() + end_, room) : 0;
    if (got <= 0) {
        exhausted_ = true;
        return false;
    }
    end_ += static_cast<std::size_t>(got);
    return true;
}

bool LineSource::atEnd() { return begin_ == end_ && !refill(); }

bool LineSource::next(std::string_view& line) {
    const auto tooLong = [this] {
        ++lineNumber_;
        throw ReadError(fileName_, lineNumber_,
                        "the line is longer than " + std::to_string(kMaxLineLength) + " characters");
    };
    // Searched from where the last search stopped, so a line that spans
    // refills is scanned once.
    std::size_t searched = 0;
    for (;;) {
        const char* const start = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        const auto* newline = static_cast<const char*>(std::memchr(start + searched, '\n', available - searched));
        const std::size_t length = newline ? static_cast<std::size_t>(newline - start) : available;
        // One character more than the bound may be the CR of a CR LF.
        if (length > kMaxLineLength + 1) tooLong();
        if (newline || (!refill() && available > 0)) {
            const char* const first = buffer_.data() + begin_;
            begin_ += newline ? length + 1 : length;
            std::size_t size = length;
            if (size > 0 && first[size - 1] == '\r') --size;
            if (size > kMaxLineLength) tooLong();
            ++lineNumber_;
            line = std::string_view(first, size);
            return true;
        }
        if (begin_ == end_) return false;
        searched = available;
    }
}

std::string excerpt(std::string_view text) {
    if (text.size() <= kExcerptLength) return std::string(text);
    std::size_t cut = kExcerptLength;
    // Back to the first byte of a character, so no half character is quoted.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)) + "...";
}

}  // namespace ferlo
