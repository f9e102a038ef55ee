#include "base/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <string>
#include <system_error>

#include "base/file_errors.h"

namespace ferlo {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void refuse(const fs::path& path, int error) {
    const std::string reason = error != 0 ? std::system_category().message(error)
                                          : std::string("it is not a regular file (a pipe, a device or a socket)");
    throw ReadError(path.string(), 0, "the file cannot be opened: " + reason);
}

// Refuses what is no regular file: a folder with the system's own reason.
void checkRegular(const fs::path& path, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) refuse(path, EISDIR);
    if (!S_ISREG(info.st_mode)) refuse(path, 0);
}

}  // namespace

int openRegularFile(const fs::path& path) {
    // The type is checked before the file is opened, so a FIFO (whose
    // opening waits for a writer) or a device is never opened; and again on
    // the open file, in case another took its name in between, which
    // O_NONBLOCK keeps from waiting as well.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) refuse(path, errno);
    checkRegular(path, info);
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) refuse(path, errno);
    try {
        if (::fstat(fd, &info) != 0) refuse(path, errno);
        checkRegular(path, info);
    } catch (const ReadError&) {
        ::close(fd);
        throw;
    }
    return fd;
}

// Takes the text from the descriptor in blocks; a failed read throws
// ReadError with the system's reason, which the stream passes on.
class InputFile::Buffer : public std::streambuf {
public:
    Buffer(int fd, fs::path path) : fd_(fd), path_(std::move(path)) {}
    ~Buffer() override { ::close(fd_); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        ssize_t got = 0;
        do {
            got = ::read(fd_, data_.data(), data_.size());
        } while (got < 0 && errno == EINTR);
        if (got < 0) {
            throw ReadError(path_.string(), 0, "the file cannot be read: " + std::system_category().message(errno));
        }
        if (got == 0) return traits_type::eof();
        setg(data_.data(), data_.data(), data_.data() + got);
        return traits_type::to_int_type(*gptr());
    }

private:
    int fd_;
    fs::path path_;
    std::array<char, 65536> data_{};
};

InputFile::InputFile(const fs::path& path)
    : buffer_(std::make_unique<Buffer>(openRegularFile(path), path)), in_(buffer_.get()) {
    in_.exceptions(std::ios::badbit);  // the buffer's ReadError reaches the reader
}

InputFile::~InputFile() = default;

}  // namespace ferlo
