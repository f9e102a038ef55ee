#pragma once

#include <string>

#include <QImage>

#include "base/image_converter.h"

namespace ferlo {

// The image workspace on Qt's image classes: any format Qt reads (BMP and
// JPEG among them), recognised by content; JPEG and 24-bit BMP copies.
class QtImageConverter : public ImageConverter {
public:
    using ImageConverter::load;
    void load(const std::string& path, const DecodeSize& decodeSize) override;
    void turnQuarter() override;
    int width() const override { return turned_ ? image_.height() : image_.width(); }
    int height() const override { return turned_ ? image_.width() : image_.height(); }
    void resize(int width, int height) override;
    PixelRGB pixel(int x, int y) const override;
    void copyRows(int firstRow, int rows, std::span<std::uint8_t> rgb) const override;
    void saveJpeg(const std::string& path) const override;
    void saveBitmap(const std::string& path) const override;

    // The quality Qt writes the JPEG copies with (0 to 100).
    static constexpr int kJpegQuality = 90;

private:
    void save(const std::string& path, const char* format, int quality) const;
    QImage current() const;

    // Format_RGB32, or null when nothing is loaded. A quarter turn is kept
    // pending in `turned_` and made while the pixels are read: a texture of
    // the turned size needs no turned copy of a 64 MB image.
    QImage image_;
    bool turned_ = false;
    std::string file_;
};

}  // namespace ferlo
