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
    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    void resize(int width, int height) override;
    PixelRGB pixel(int x, int y) const override;
    void copyRow(int y, std::span<std::uint8_t> rgb) const override;
    void saveJpeg(const std::string& path) const override;
    void saveBitmap(const std::string& path) const override;

    // The quality Qt writes the JPEG copies with (0 to 100).
    static constexpr int kJpegQuality = 90;

private:
    void save(const std::string& path, const char* format, int quality) const;

    QImage image_;  // Format_RGB32, or null when nothing is loaded
    std::string file_;
};

}  // namespace ferlo
