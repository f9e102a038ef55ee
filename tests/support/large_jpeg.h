#pragma once

#include <filesystem>
#include <string>

#include <QImage>
#include <QImageWriter>
#include <QString>

#include <gtest/gtest.h>

namespace ferlo::testing {

// The colour of pixel (x, y) of a large test photo: red across, green down,
// blue in the middle, smooth enough for JPEG to keep it closely.
inline QRgb largeJpegColour(int x, int y, int width, int height) {
    const int red = static_cast<int>(255LL * x / width);
    const int green = static_cast<int>(255LL * y / height);
    return qRgb(red, green, (red + green) / 2);
}

// Writes a colour JPEG photo of `width` x `height` pixels to `path` and
// returns the path.
inline std::string writeLargeJpeg(const std::filesystem::path& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const QRgb colour = largeJpegColour(x, y, width, height);
            row[3 * x] = static_cast<uchar>(qRed(colour));
            row[3 * x + 1] = static_cast<uchar>(qGreen(colour));
            row[3 * x + 2] = static_cast<uchar>(qBlue(colour));
        }
    }
    QImageWriter writer(QString::fromStdString(path.string()), "jpeg");
    writer.setQuality(90);
    EXPECT_TRUE(writer.write(image)) << path << ": " << writer.errorString().toStdString();
    return path.string();
}

}  // namespace ferlo::testing
