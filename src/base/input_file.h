#pragma once

#include <filesystem>
#include <istream>
#include <memory>

namespace ferlo {

// Opens `path` for reading when it is a regular file (or a link to one) and
// returns the descriptor, which the caller closes. Anything else a user may
// point at (a FIFO, a device, a socket, a folder) is refused at once: its
// type is checked before it is opened, so nothing waits for a FIFO's writer
// or reads a device without end, and again on the open descriptor. Every
// refusal throws ReadError "the file cannot be opened: " and the system's
// reason.
int openRegularFile(const std::filesystem::path& path);

// The text of a regular file, read through a buffer of its own. A failing
// read throws ReadError with the system's reason from the stream's operation.
class InputFile {
public:
    explicit InputFile(const std::filesystem::path& path);  // throws ReadError
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    std::istream& stream() { return in_; }

private:
    class Buffer;

    std::unique_ptr<Buffer> buffer_;
    std::istream in_;
};

}  // namespace ferlo
