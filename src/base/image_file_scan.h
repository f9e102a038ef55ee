#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ferlo {

// The most scans a JPEG file may hold. Encoders write one scan per component
// for a sequential file and about ten for a progressive one; a decoder works
// over the whole image at each scan, so a small file of thousands of empty
// scans would cost seconds.
inline constexpr int kMaxJpegScans = 300;

// Checks of an image file's bytes that need no decoding, made before a
// decoder sees the file: a bitmap whose header claims more pixels than the
// file holds (it would be decoded as far as the file goes, its size taken
// from the header), and a JPEG file of more than kMaxJpegScans scans. Other
// formats pass. The work is one pass over the bytes, which stops at the
// bitmap's header and as soon as a JPEG file holds too many scans.
class ImageFileScan {
public:
    // The file's next bytes. False once the scan wants no more.
    bool feed(std::span<const std::uint8_t> bytes);
    // Why the file is refused, after the bytes it wanted were fed; empty when
    // it passes. `fileSize` is the file's length in bytes.
    std::string problem(std::uint64_t fileSize) const;

    int jpegScans() const { return scans_; }

private:
    enum class Kind { Unknown, Bitmap, Jpeg, Other };
    enum class State { Marker, Code, Length1, Length2, Skip, Entropy, EntropyFF, Done };

    void feedJpeg(std::uint8_t byte);
    void markerCode(std::uint8_t code);

    Kind kind_ = Kind::Unknown;
    std::vector<std::uint8_t> head_;  // the first bytes, until the kind and the bitmap's header are known
    State state_ = State::Marker;
    std::uint8_t marker_ = 0;
    std::uint32_t remaining_ = 0;  // bytes of the segment still to skip
    int scans_ = 0;
};

}  // namespace ferlo
