#pragma once

#include <memory>
#include <string>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>

namespace ferlo {

// The file of an image the user pointed at (a texture, a tracing picture),
// open for reading by an image reader. Only a regular file opens, so a FIFO,
// a device or a folder is refused before a reader waits on it or reads
// without end. Throws ImageError with the system's reason.
std::unique_ptr<QFile> openImageFile(const std::string& path);

// An image file opened and judged before any pixel is decoded: its bytes
// pass ImageFileScan (image_file_scan.h) and the size its header claims
// passes checkImageSize. The format is recognised by the file's content.
// Each reader sets the bounds of its own read: the size it decodes at, and
// Qt's allocation check for that read alone.
class ImageFileReader {
public:
    explicit ImageFileReader(const std::string& path);  // throws ImageError

    // The size the header claims; not valid for a format that tells its
    // size only by decoding.
    QSize claimedSize() const { return claimed_; }
    // Decodes the image at `size` (straight at that size where the format
    // can, JPEG among them), or whole when `size` is not valid or is the
    // claimed size. Throws ImageError with the decoder's reason, and for a
    // size that checkImageSize refuses once decoded.
    QImage read(QSize size = {});

private:
    std::string path_;
    std::unique_ptr<QFile> file_;
    QImageReader reader_;
    QSize claimed_;
};

}  // namespace ferlo
