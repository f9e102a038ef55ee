#pragma once

#include <memory>
#include <string>

#include <QFile>

namespace ferlo {

// The file of an image the user pointed at (a texture, a tracing picture),
// open for reading by an image reader. Only a regular file opens, so a FIFO,
// a device or a folder is refused before a reader waits on it or reads
// without end. Throws ImageError with the system's reason.
std::unique_ptr<QFile> openImageFile(const std::string& path);

}  // namespace ferlo
