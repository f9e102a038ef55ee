#include "view3d/qt_image_converter.h"

#include <algorithm>
#include <cstddef>

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

void putRgb(QRgb color, std::uint8_t* out) {
    out[0] = static_cast<std::uint8_t>(qRed(color));
    out[1] = static_cast<std::uint8_t>(qGreen(color));
    out[2] = static_cast<std::uint8_t>(qBlue(color));
}

}  // namespace

void QtImageConverter::load(const std::string& path, const DecodeSize& decodeSize) {
    image_ = QImage();
    turned_ = false;
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

// The turn waits for the reads; a second turn makes the first.
void QtImageConverter::turnQuarter() {
    image_ = current();
    turned_ = true;
}

// The image as it stands, the pending turn made. A quarter turn exchanges
// the sides exactly; no pixel is interpolated.
QImage QtImageConverter::current() const {
    return turned_ ? image_.transformed(QTransform().rotate(90)) : image_;
}

void QtImageConverter::resize(int width, int height) {
    // Qt's scaler keeps an image of the size asked as it is, so a pending
    // turn may stay pending.
    if (!image_.isNull() && width == this->width() && height == this->height()) return;
    const QImage scaled = current().scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull()) throw ImageError(file_, "the image cannot be scaled to that size");
    image_ = scaled.convertToFormat(QImage::Format_RGB32);
    turned_ = false;
}

// Turned clockwise, pixel (x, y) is the held image's (y, height - 1 - x).
PixelRGB QtImageConverter::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return {};
    const int column = turned_ ? y : x;
    const int row = turned_ ? image_.height() - 1 - x : y;
    const QRgb rgb = reinterpret_cast<const QRgb*>(image_.constScanLine(row))[column];
    return {static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
            static_cast<std::uint8_t>(qBlue(rgb))};
}

void QtImageConverter::copyRows(int firstRow, int rows, std::span<std::uint8_t> rgb) const {
    if (rows <= 0) return;
    const std::size_t rowBytes = rgb.size() / static_cast<std::size_t>(rows);
    const int pixels = static_cast<int>(rowBytes / 3);
    // Black outside the image, as pixel().
    const int rowBegin = std::max(firstRow, 0);
    const int rowEnd = std::min(firstRow + rows, height());
    const int columns = std::min(pixels, width());
    if (rowBegin > firstRow || rowEnd < firstRow + rows || columns < pixels) std::fill(rgb.begin(), rgb.end(), 0);
    if (rowBegin >= rowEnd || columns <= 0) return;
    const auto rowOut = [&](int y) { return rgb.data() + static_cast<std::size_t>(y - firstRow) * rowBytes; };
    if (!turned_) {
        for (int y = rowBegin; y < rowEnd; ++y) {
            const auto* source = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
            std::uint8_t* out = rowOut(y);
            for (int x = 0; x < columns; ++x, out += 3) putRgb(source[x], out);
        }
        return;
    }
    // Turned: the band's rows are columns of the held image, and pixel x of
    // a band row lies in held row height - 1 - x. They are read in square
    // tiles. A tile's held rows, and the band's rows, lie a multiple of 4 KB
    // apart and would evict each other from the cache: the tile is gathered
    // into a small block first and written out row by row from there. The
    // held rows of the next tiles are fetched ahead, as no prefetcher
    // follows reads 16 KB apart.
    const auto heldRow = [this](int x) {
        return reinterpret_cast<const QRgb*>(image_.constScanLine(image_.height() - 1 - x));
    };
    constexpr int kTile = 16;
    constexpr int kPixelsALine = 16;  // 64-byte cache lines
    QRgb tile[kTile][kTile];
    for (int x0 = 0; x0 < columns; x0 += kTile) {
        for (int x = x0 + kTile; x < std::min(x0 + 2 * kTile, columns); ++x) {
            for (int y = rowBegin; y < rowEnd; y += kPixelsALine) __builtin_prefetch(heldRow(x) + y);
        }
        const int xs = std::min(kTile, columns - x0);
        for (int y0 = rowBegin; y0 < rowEnd; y0 += kTile) {
            const int ys = std::min(kTile, rowEnd - y0);
            for (int i = 0; i < xs; ++i) std::copy_n(heldRow(x0 + i) + y0, ys, tile[i]);
            for (int j = 0; j < ys; ++j) {
                std::uint8_t* out = rowOut(y0 + j) + std::size_t{3} * x0;
                for (int i = 0; i < xs; ++i, out += 3) putRgb(tile[i][j], out);
            }
        }
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
    if (!writer.write(current())) throw WriteError(path + ": " + writer.errorString().toStdString());
    AtomicFile file(path, LinkAtTarget::Replace);
    file.stream().write(encoded.constData(), encoded.size());
    file.commit();
}

}  // namespace ferlo
