#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>

namespace ferlo {

// An image that could not be loaded, converted or held: a missing or
// unreadable file, a side of 0 pixels, or a size too large to hold in memory.
// The message names the file.
class ImageError : public std::runtime_error {
public:
    ImageError(const std::string& file, const std::string& reason)
        : std::runtime_error((file.empty() ? std::string("image") : file) + ": " + reason), reason_(reason) {}

    const std::string& reason() const { return reason_; }  // what went wrong, without the file

private:
    std::string reason_;
};

// An image's width and height in pixels.
struct ImageSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
    friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

// The size to decode an image at, given the size its file's header claims.
// It throws ImageError to refuse the image before any pixel is decoded.
using DecodeSize = std::function<ImageSize(ImageSize claimed)>;

// The colour of one pixel.
struct PixelRGB {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const PixelRGB&, const PixelRGB&) = default;
};

// The imaging workspace of the texture routines and the texture copies: it
// holds one image at a time, the one loaded last. Implemented on the Qt side;
// tests use a fake.
class ImageConverter {
public:
    virtual ~ImageConverter() = default;

    // Makes the image of the file the current image. The format is recognised
    // by the file's content, not by its name (bitmap copies are saved under
    // ".jpg" titles). The size the file's header claims goes to `decodeSize`
    // before any pixel is decoded (a format that tells no size is decoded
    // first); the image is decoded at the size it returns, or whole where
    // the converter keeps small images whole: width() and height() tell
    // which. Throws ImageError when the file is missing, unreadable or
    // damaged, when its header claims more than checkImageSize
    // (image_size_limit.h) allows, and when `decodeSize` refuses it.
    virtual void load(const std::string& path, const DecodeSize& decodeSize) = 0;
    // The same, decoded whole.
    void load(const std::string& path) {
        load(path, [](ImageSize claimed) { return claimed; });
    }
    // Turns the current image a quarter turn clockwise: width and height swap.
    virtual void turnQuarter() = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // Scales the current image to the given size; throws ImageError when it
    // cannot be held.
    virtual void resize(int width, int height) = 0;
    // Pixel (x, y), from 0, row 0 at the top; black outside the image.
    virtual PixelRGB pixel(int x, int y) const = 0;
    // Row y of the current image as red, green and blue bytes, three a pixel,
    // into `rgb` (three bytes for each pixel of the row): pixel(0, y),
    // pixel(1, y), ... A converter that holds its image in rows copies them
    // whole; this one asks for each pixel.
    virtual void copyRow(int y, std::span<std::uint8_t> rgb) const {
        for (std::size_t x = 0; x < rgb.size() / 3; ++x) {
            const PixelRGB p = pixel(static_cast<int>(x), y);
            rgb[3 * x] = p.red;
            rgb[3 * x + 1] = p.green;
            rgb[3 * x + 2] = p.blue;
        }
    }
    // Write the current image with 24 bits a pixel, replacing an existing
    // file of that name (a symbolic link there is replaced too, never
    // written through); a failed write throws WriteError and leaves an
    // existing file as it was.
    virtual void saveJpeg(const std::string& path) const = 0;
    virtual void saveBitmap(const std::string& path) const = 0;
};

}  // namespace ferlo
