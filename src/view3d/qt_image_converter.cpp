#include "view3d/qt_image_converter.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageWriter>
#include <QTransform>

#include "base/atomic_file.h"
#include "base/file_errors.h"
#include "view3d/image_file.h"

namespace ferlo {

namespace {

// Images of up to 2048 x 2048 pixels are decoded whole and scaled by
// resize(): it costs little, and their textures and copies keep the bytes
// they always had. Larger ones are decoded straight at the size asked.
constexpr qint64 kWholeDecodePixels = qint64{2048} * 2048;

}  // namespace

void QtImageConverter::load(const std::string& path, const DecodeSize& decodeSize) {
    image_ = QImage();
    file_ = path;
    ImageFileReader reader(path);
    const QSize claimed = reader.claimedSize();
    QSize size;  // not valid: whole
    if (claimed.isValid()) {
        const ImageSize wanted = decodeSize({claimed.width(), claimed.height()});
        if (qint64{claimed.width()} * claimed.height() > kWholeDecodePixels) {
            size = QSize(static_cast<int>(wanted.width), static_cast<int>(wanted.height));
        }
    }
    const QImage loaded = reader.read(size);
    if (!claimed.isValid()) decodeSize({loaded.width(), loaded.height()});
    image_ = loaded.convertToFormat(QImage::Format_RGB32);
    if (image_.isNull()) throw ImageError(path, "not enough memory for the image");
}

void QtImageConverter::turnQuarter() {
    // A quarter turn exchanges the sides exactly; no pixel is interpolated.
    image_ = image_.transformed(QTransform().rotate(90));
}

void QtImageConverter::resize(int width, int height) {
    const QImage scaled = image_.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull()) throw ImageError(file_, "the image cannot be scaled to that size");
    image_ = scaled.convertToFormat(QImage::Format_RGB32);
}

PixelRGB QtImageConverter::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return {};
    const QRgb rgb = reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x];
    return {static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
            static_cast<std::uint8_t>(qBlue(rgb))};
}

void QtImageConverter::copyRow(int y, std::span<std::uint8_t> rgb) const {
    const auto pixels = static_cast<std::size_t>(image_.width());
    const bool inside = y >= 0 && y < image_.height();
    const QRgb* row = inside ? reinterpret_cast<const QRgb*>(image_.constScanLine(y)) : nullptr;
    for (std::size_t x = 0; x < rgb.size() / 3; ++x) {
        const QRgb color = inside && x < pixels ? row[x] : qRgb(0, 0, 0);  // black outside, as pixel()
        rgb[3 * x] = static_cast<std::uint8_t>(qRed(color));
        rgb[3 * x + 1] = static_cast<std::uint8_t>(qGreen(color));
        rgb[3 * x + 2] = static_cast<std::uint8_t>(qBlue(color));
    }
}

void QtImageConverter::saveJpeg(const std::string& path) const { save(path, "jpeg", kJpegQuality); }

// Qt writes a 32-bit image as a bitmap with 24 bits a pixel.
void QtImageConverter::saveBitmap(const std::string& path) const { save(path, "bmp", -1); }

void QtImageConverter::save(const std::string& path, const char* format, int quality) const {
    if (image_.isNull()) throw WriteError(path + ": no image to write");
    // Encoded in memory, then written as any file of the program is, so a
    // failed write leaves an existing file as it was and names its reason.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image_)) throw WriteError(path + ": " + writer.errorString().toStdString());
    AtomicFile file(path, LinkAtTarget::Replace);
    file.stream().write(encoded.constData(), encoded.size());
    file.commit();
}

}  // namespace ferlo
