#include "base/image_file_scan.h"

#include <string>

#include <gtest/gtest.h>

namespace ferlo {
namespace {

// A JPEG's markers without real pixels: an application segment whose data
// holds bytes that look like markers, then `scans` scans whose data holds a
// stuffed zero and a restart marker, then the end.
std::string jpegWithScans(int scans) {
    std::string file = "\xFF\xD8";
    file += std::string("\xFF\xE0\x00\x06\xFF\xDA\xFF\xDA", 8);
    for (int i = 0; i < scans; ++i) {
        file += std::string("\xFF\xDA\x00\x04\x01\x00", 6);
        file += std::string("\x12\xFF\x00\xDA\xFF\xD3\x34", 7);
    }
    return file + "\xFF\xD9";
}

// Fed in pieces of `piece` bytes, as a file is read.
std::string problemOf(const std::string& bytes, std::size_t piece = 5) {
    ImageFileScan scan;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        const std::string part = bytes.substr(at, piece);
        if (!scan.feed({reinterpret_cast<const std::uint8_t*>(part.data()), part.size()})) break;
    }
    return scan.problem(bytes.size());
}

// The scans are counted by the markers' structure, not by byte patterns in
// segments or scan data; the count stops as soon as it passes the bound.
TEST(ImageFileScan, CountsJpegScansAndRefusesMoreThanAnyEncoderWrites) {
    for (const int scans : {1, 10, kMaxJpegScans}) {
        ImageFileScan scan;
        const std::string file = jpegWithScans(scans);
        EXPECT_FALSE(scan.feed({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()}));
        EXPECT_EQ(scan.jpegScans(), scans);
        EXPECT_EQ(scan.problem(file.size()), "");
    }
    for (const int scans : {kMaxJpegScans + 1, 20000}) {
        EXPECT_EQ(problemOf(jpegWithScans(scans)), "the JPEG file holds more than 300 scans, more than any "
                                                   "encoder writes (each scan is decoded over the whole image)");
        ImageFileScan scan;
        const std::string file = jpegWithScans(scans);
        scan.feed({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()});
        EXPECT_EQ(scan.jpegScans(), kMaxJpegScans + 1);  // no further
    }
}

// A bitmap header as the program's kept hostile files have it: 58 bytes.
std::string bitmap(std::int32_t width, std::int32_t height, int depth, int compression, std::size_t pixelBytes) {
    std::string file = "BM";
    const auto put = [&file](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) file += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(static_cast<std::uint32_t>(54 + pixelBytes), 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(static_cast<std::uint32_t>(depth), 2);
    put(static_cast<std::uint32_t>(compression), 4);
    file += std::string(20, '\0');
    return file + std::string(pixelBytes, '\x7f');
}

TEST(ImageFileScan, RefusesABitmapShorterThanThePixelsItsHeaderClaims) {
    struct Case {
        std::string file;
        std::string problem;
    };
    const Case cases[] = {
        {bitmap(1, 262150, 24, 0, 4), "the bitmap file holds 58 bytes, but its header claims 1 x 262150 pixels, "
                                      "which need 1048653 bytes"},
        {bitmap(2896, 2896, 24, 0, 4), "the bitmap file holds 58 bytes, but its header claims 2896 x 2896 "
                                       "pixels, which need 25160502 bytes"},
        {bitmap(2, -3, 24, 0, 4), "the bitmap file holds 58 bytes, but its header claims 2 x 3 pixels, which "
                                  "need 76 bytes"},
        {bitmap(-2147483647 - 1, 2147483647, 32, 0, 4), ""},  // a width Qt refuses itself
        {bitmap(2147483647, 2147483647, 32, 0, 4),
         "the bitmap file holds 58 bytes, but its header claims 2147483647 x 2147483647 pixels, which need "
         "18446744056529682490 bytes"},
        {bitmap(2, 3, 24, 0, 8 + 8 + 6), ""},  // the last row without its padding
        {bitmap(2, 3, 24, 0, 24), ""},
        {bitmap(3000, 3000, 8, 1, 4), ""},  // run-length coded: its size is not known before decoding
        {"GIF89a", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(problemOf(c.file), c.problem);
}

}  // namespace
}  // namespace ferlo
