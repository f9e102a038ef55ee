#include "base/image_file_scan.h"

#include <cstring>
#include <limits>
#include <optional>

namespace ferlo {

namespace {

// A bitmap's file header (14 bytes) and the part of its information header
// that gives the size, depth and compression.
constexpr std::size_t kBitmapHead = 14 + 20;

std::uint32_t littleEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

// What an uncompressed bitmap's header claims: its size and the bytes the
// file needs for those pixels (from the pixels' offset, every row padded to
// 4 bytes but the last). Nothing for a header this check cannot judge
// (compressed, or a size or depth the decoder refuses anyway).
struct BitmapClaim {
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint64_t bytes = 0;
};

std::optional<BitmapClaim> bitmapClaim(const std::vector<std::uint8_t>& head) {
    const std::uint64_t offset = littleEndian(head, 10, 4);
    const std::uint32_t infoSize = littleEndian(head, 14, 4);
    BitmapClaim claim;
    std::uint32_t depth = 0, compression = 0;
    if (infoSize == 12) {  // the oldest header: 16-bit sizes, never compressed
        claim.width = littleEndian(head, 18, 2);
        claim.height = littleEndian(head, 20, 2);
        depth = littleEndian(head, 24, 2);
    } else if (infoSize >= 40) {
        claim.width = static_cast<std::int32_t>(littleEndian(head, 18, 4));
        claim.height = static_cast<std::int32_t>(littleEndian(head, 22, 4));  // negative: rows top down
        depth = littleEndian(head, 28, 2);
        compression = littleEndian(head, 30, 4);
    } else {
        return std::nullopt;
    }
    claim.height = claim.height < 0 ? -claim.height : claim.height;
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;  // plain or bit fields
    if (!uncompressed || claim.width <= 0 || claim.height == 0 || depth == 0 || depth > 32) return std::nullopt;
    const auto rowBits = static_cast<std::uint64_t>(claim.width) * depth;  // below 2^36
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    const std::uint64_t lastRow = (rowBits + 7) / 8;
    const auto rows = static_cast<std::uint64_t>(claim.height);  // at most 2^31
    const std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
    claim.bytes = rows - 1 > (most - offset - lastRow) / stride ? most : offset + stride * (rows - 1) + lastRow;
    return claim;
}

bool isRestart(std::uint8_t code) { return code >= 0xD0 && code <= 0xD7; }

}  // namespace

bool ImageFileScan::feed(std::span<const std::uint8_t> bytes) {
    std::size_t used = 0;
    if (kind_ == Kind::Unknown || kind_ == Kind::Bitmap) {
        while (used < bytes.size() && head_.size() < kBitmapHead) head_.push_back(bytes[used++]);
        if (head_.size() >= 2) {
            if (head_[0] == 'B' && head_[1] == 'M') {
                kind_ = Kind::Bitmap;
            } else if (head_[0] == 0xFF && head_[1] == 0xD8) {
                kind_ = Kind::Jpeg;
                // The bytes after the start of image are the first segment's.
                const std::vector<std::uint8_t> rest(head_.begin() + 2, head_.end());
                for (const std::uint8_t byte : rest) feedJpeg(byte);
            } else {
                kind_ = Kind::Other;
            }
        }
    }
    if (kind_ == Kind::Jpeg) {
        while (used < bytes.size() && state_ != State::Done) {
            if (state_ == State::Entropy) {
                // Most of the file: nothing but a 0xFF changes the state.
                const void* mark = std::memchr(bytes.data() + used, 0xFF, bytes.size() - used);
                if (mark == nullptr) break;
                used = static_cast<std::size_t>(static_cast<const std::uint8_t*>(mark) - bytes.data());
            }
            feedJpeg(bytes[used++]);
        }
        return state_ != State::Done;
    }
    if (kind_ == Kind::Bitmap) return head_.size() < kBitmapHead;
    return kind_ == Kind::Unknown;
}

// The markers are walked by their lengths; a scan's entropy-coded data runs
// to the next marker that is neither a stuffed zero nor a restart.
void ImageFileScan::feedJpeg(std::uint8_t byte) {
    switch (state_) {
    case State::Marker:
        if (byte == 0xFF) state_ = State::Code;  // other bytes between segments are skipped, as decoders do
        break;
    case State::Code:
        markerCode(byte);
        break;
    case State::Length1:
        remaining_ = std::uint32_t{byte} << 8;
        state_ = State::Length2;
        break;
    case State::Length2:
        remaining_ |= byte;
        if (remaining_ < 2) {
            state_ = State::Done;  // a damaged segment: the decoder judges the rest
            break;
        }
        remaining_ -= 2;
        state_ = remaining_ > 0 ? State::Skip : (marker_ == 0xDA ? State::Entropy : State::Marker);
        break;
    case State::Skip:
        if (--remaining_ == 0) state_ = marker_ == 0xDA ? State::Entropy : State::Marker;
        break;
    case State::Entropy:
        if (byte == 0xFF) state_ = State::EntropyFF;
        break;
    case State::EntropyFF:
        if (byte == 0x00 || isRestart(byte)) {
            state_ = State::Entropy;
        } else if (byte != 0xFF) {
            markerCode(byte);
        }
        break;
    case State::Done:
        break;
    }
}

void ImageFileScan::markerCode(std::uint8_t code) {
    if (code == 0xFF) return;  // fill bytes before a marker
    if (code == 0xD9) {
        state_ = State::Done;  // end of image
        return;
    }
    if (code == 0x00 || code == 0x01 || code == 0xD8 || isRestart(code)) {
        state_ = State::Marker;  // markers without a length
        return;
    }
    marker_ = code;
    if (code == 0xDA && ++scans_ > kMaxJpegScans) {
        state_ = State::Done;
        return;
    }
    state_ = State::Length1;
}

std::string ImageFileScan::problem(std::uint64_t fileSize) const {
    if (kind_ == Kind::Jpeg && scans_ > kMaxJpegScans) {
        return "the JPEG file holds more than " + std::to_string(kMaxJpegScans) +
               " scans, more than any encoder writes (each scan is decoded over the whole image)";
    }
    if (kind_ == Kind::Bitmap && head_.size() >= kBitmapHead) {
        const std::optional<BitmapClaim> claim = bitmapClaim(head_);
        if (claim && claim->bytes > fileSize) {
            return "the bitmap file holds " + std::to_string(fileSize) + " bytes, but its header claims " +
                   std::to_string(claim->width) + " x " + std::to_string(claim->height) + " pixels, which need " +
                   std::to_string(claim->bytes) + " bytes";
        }
    }
    return {};
}

}  // namespace ferlo
