#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace ferlo {

// An image that could not be loaded, converted or held: a missing or
// unreadable file, a side of 0 pixels, or a size too large to hold in memory.
// The message names the file.
class ImageError : public std::runtime_error {
public:
    ImageError(const std::string& file, const std::string& what)
        : std::runtime_error((file.empty() ? std::string("image") : file) + ": " + what) {}
};

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
    // ".jpg" titles). Throws ImageError when the file is missing or
    // unreadable, and, before decoding, when its header gives a size that
    // checkTextureSize (power_of_two_image.h) refuses.
    virtual void load(const std::string& path) = 0;
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
