#include "view3d/image_file.h"

#include <unistd.h>

#include <array>
#include <cstdint>

#include "base/file_errors.h"
#include "base/image_converter.h"
#include "base/image_file_scan.h"
#include "base/image_size_limit.h"
#include "base/input_file.h"

namespace ferlo {

namespace {

// Runs the byte checks over the file and puts it back at its start.
void scanImageFile(const std::string& path, QFile& file) {
    ImageFileScan scan;
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const qint64 count = file.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (count < 0) throw ImageError(path, "the file cannot be read: " + file.errorString().toStdString());
        if (count == 0) break;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(buffer.data());
        if (!scan.feed({bytes, static_cast<std::size_t>(count)})) break;
    }
    const std::string problem = scan.problem(static_cast<std::uint64_t>(file.size()));
    if (!problem.empty()) throw ImageError(path, problem);
    if (!file.seek(0)) throw ImageError(path, "the file cannot be read: " + file.errorString().toStdString());
}

// Qt checks every image it decodes against one allocation limit for the whole
// program (128 MB by default), with no limit of a reader's own. A read whose
// image, already checked against kMaxImagePixels, needs more raises it for
// that read alone and puts the previous value back, so no read's bound
// reaches another.
class AllocationLimitForRead {
public:
    explicit AllocationLimitForRead(QSize decoded) : previous_(QImageReader::allocationLimit()) {
        // Qt counts at least four bytes a pixel.
        const qint64 megabytes = (qint64{decoded.width()} * decoded.height() * 4 >> 20) + 1;
        if (previous_ > 0 && megabytes > previous_) {
            QImageReader::setAllocationLimit(static_cast<int>(megabytes));
            raised_ = true;
        }
    }
    ~AllocationLimitForRead() {
        if (raised_) QImageReader::setAllocationLimit(previous_);
    }
    AllocationLimitForRead(const AllocationLimitForRead&) = delete;
    AllocationLimitForRead& operator=(const AllocationLimitForRead&) = delete;

private:
    int previous_;
    bool raised_ = false;
};

}  // namespace

std::unique_ptr<QFile> openImageFile(const std::string& path) {
    int fd = -1;
    try {
        fd = openRegularFile(path);
    } catch (const ReadError& error) {
        throw ImageError(path, error.reason());
    }
    auto file = std::make_unique<QFile>(QFile::decodeName(path.c_str()));
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw ImageError(path, "the file cannot be opened: " + file->errorString().toStdString());
    }
    return file;
}

ImageFileReader::ImageFileReader(const std::string& path) : path_(path), file_(openImageFile(path)) {
    scanImageFile(path_, *file_);
    reader_.setDevice(file_.get());
    reader_.setDecideFormatFromContent(true);
    claimed_ = reader_.size();
    if (claimed_.isValid()) checkImageSize(path_, claimed_.width(), claimed_.height());
}

QImage ImageFileReader::read(QSize size) {
    const bool scaled = claimed_.isValid() && size.isValid() && size != claimed_;
    if (scaled) reader_.setScaledSize(size);
    QImage image;
    {
        // A format that decodes whole before it scales needs the whole image.
        const bool straight = reader_.supportsOption(QImageIOHandler::ScaledSize);
        const AllocationLimitForRead limit(claimed_.isValid() && !(scaled && straight) ? claimed_ : size);
        image = reader_.read();
    }
    if (image.isNull()) throw ImageError(path_, reader_.errorString().toStdString());
    if (!claimed_.isValid()) checkImageSize(path_, image.width(), image.height());
    return image;
}

}  // namespace ferlo
