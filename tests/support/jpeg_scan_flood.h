#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

namespace ferlo::testing {

// A progressive JPEG of `width` x `height` pixels of one grey, as Qt writes
// it, with `extraScans` copies of its last scan put before its end: a scan
// flood. A scan of one colour's image is a few bytes, whatever the size, and
// the decoder works over the whole image at each one. Empty when Qt cannot
// write it.
inline QByteArray jpegScanFlood(int width, int height, int extraScans) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(128, 128, 128));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    if (!writer.write(image)) return {};
    // Walks the markers to the last scan's start; the file ends with the
    // end-of-image marker.
    qsizetype lastScan = -1;
    for (qsizetype at = 2; at + 4 <= jpeg.size();) {
        const auto code = static_cast<unsigned char>(jpeg[at + 1]);
        const int length = static_cast<unsigned char>(jpeg[at + 2]) << 8 | static_cast<unsigned char>(jpeg[at + 3]);
        if (code != 0xDA) {
            at += 2 + length;
            continue;
        }
        lastScan = at;
        at += 2 + length;
        // The scan's data runs to the next marker that is no stuffed zero or restart.
        while (at + 1 < jpeg.size() &&
               !(static_cast<unsigned char>(jpeg[at]) == 0xFF && jpeg[at + 1] != 0 &&
                 (static_cast<unsigned char>(jpeg[at + 1]) & 0xF8) != 0xD0)) {
            ++at;
        }
        if (static_cast<unsigned char>(jpeg[at + 1]) == 0xD9) break;
    }
    if (lastScan < 0) return {};
    const qsizetype end = jpeg.size() - 2;
    const QByteArray scan = jpeg.mid(lastScan, end - lastScan);
    QByteArray flood = jpeg.left(end);
    for (int i = 0; i < extraScans; ++i) flood += scan;
    return flood + jpeg.right(2);
}

}  // namespace ferlo::testing
