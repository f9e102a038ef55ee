#include "view3d/image_file.h"

#include <unistd.h>

#include "base/file_errors.h"
#include "base/image_converter.h"
#include "base/input_file.h"

namespace ferlo {

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

}  // namespace ferlo
