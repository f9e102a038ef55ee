#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <ctime>
#include <random>
#include <string_view>
#include <system_error>

#include "base/file_errors.h"

namespace ferlo {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const char* what, const fs::path& file, int error) {
    std::string name;
    for (const char c : file.string()) name += c == '\0' ? std::string("\\0") : std::string(1, c);
    throw WriteError(std::string(what) + " " + name + ": " + std::system_category().message(error));
}

// The file a save replaces: the target, or the file its chain of symbolic
// links ends at (a relative link counts from the link's own folder).
fs::path followLinks(const fs::path& target) {
    constexpr int kMaxLinks = 40;  // as the system's own limit
    fs::path path = target;
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(path, error)) return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error) fail("Could not create", target, error.value());
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    fail("Could not create", target, ELOOP);
}

// A hidden name beside `file` with a random part, so that temporaries of
// saves under way never meet and none looks like the user's file.
constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kRandomLetters = 6;
constexpr std::string_view kTemporaryEnd = ".tmp";

std::string temporaryStart(const fs::path& file) { return "." + file.filename().string() + "."; }

fs::path temporaryName(const fs::path& file, std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kLetters) - 2);
    std::string name = temporaryStart(file);
    for (std::size_t i = 0; i < kRandomLetters; ++i) name += kLetters[pick(random)];
    return file.parent_path() / (name + std::string(kTemporaryEnd));
}

bool isTemporaryOf(const fs::path& file, const std::string& name) {
    const std::string start = temporaryStart(file);
    if (name.size() != start.size() + kRandomLetters + kTemporaryEnd.size() || name.rfind(start, 0) != 0 ||
        !name.ends_with(kTemporaryEnd)) {
        return false;
    }
    const std::string_view random = std::string_view(name).substr(start.size(), kRandomLetters);
    return random.find_first_not_of(kLetters) == std::string_view::npos;
}

// Removes what saves of `file` that were killed left behind. A save under
// way holds a lock on its temporary, which ends with its process; one
// younger than a minute may belong to a save that has just created it and
// not yet locked it. Tidying up only: the save itself has succeeded, so
// nothing here fails it.
void removeAbandonedTemporaries(const fs::path& file, const fs::path& folder) noexcept try {
    constexpr std::time_t kYoungest = 60;  // seconds
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!isTemporaryOf(file, entry.path().filename().string())) continue;
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        const bool abandoned = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                               info.st_mtime < std::time(nullptr) - kYoungest && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (abandoned) ::unlink(entry.path().c_str());
        ::close(fd);
    }
} catch (const std::exception&) {
}

void closeQuietly(int fd) {
    if (fd >= 0) ::close(fd);
}

}  // namespace

// Hands the text to the file descriptor in blocks; a failed write throws
// WriteError with the system's reason, which the stream passes on.
class AtomicFile::Buffer : public std::streambuf {
public:
    Buffer(int fd, fs::path target) : fd_(fd), target_(std::move(target)) {
        setp(data_.data(), data_.data() + data_.size());
    }

    void flushBlock() {
        if (failed_) fail("Could not write", target_, failed_);
        const char* next = pbase();
        while (next < pptr()) {
            const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
            if (written < 0) {
                if (errno == EINTR) continue;
                failed_ = errno;
                fail("Could not write", target_, failed_);
            }
            next += written;
        }
        setp(data_.data(), data_.data() + data_.size());
    }

protected:
    int_type overflow(int_type ch) override {
        flushBlock();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }

    int sync() override {
        flushBlock();
        return 0;
    }

private:
    int fd_;
    fs::path target_;
    int failed_ = 0;  // the error of a failed write; the file is then incomplete
    std::array<char, 65536> data_{};
};

AtomicFile::AtomicFile(fs::path target) : target_(std::move(target)), written_(followLinks(target_)), out_(nullptr) {
    // The system would read such a name only up to the NUL: another file.
    if (target_.native().find('\0') != std::string::npos) fail("Could not create", target_, EINVAL);
    // A new file is created with the usual permissions (the process's umask
    // applies); the temporary of an existing file is private until `commit`
    // gives it the permissions of the file it replaces.
    struct stat existing {};
    const bool replacing = ::stat(written_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    const mode_t createMode = replacing ? S_IRUSR | S_IWUSR : 0666;

    std::mt19937 random(std::random_device{}());
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts && fd_ < 0; ++attempt) {
        temporary_ = temporaryName(written_, random);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, createMode);
        if (fd_ < 0 && errno != EEXIST) fail("Could not create", target_, errno);
    }
    if (fd_ < 0) fail("Could not create", target_, EEXIST);
    // Held until the process ends, so no other save takes this file for abandoned.
    ::flock(fd_, LOCK_EX | LOCK_NB);
    if (replacing && ::fchmod(fd_, existing.st_mode & 07777) != 0) {
        const int error = errno;
        closeQuietly(fd_);
        ::unlink(temporary_.c_str());
        fail("Could not create", target_, error);
    }
    buffer_ = std::make_unique<Buffer>(fd_, target_);
    out_.rdbuf(buffer_.get());
    out_.exceptions(std::ios::badbit);  // the buffer's WriteError reaches the writer
}

AtomicFile::~AtomicFile() {
    if (committed_) return;
    closeQuietly(fd_);
    ::unlink(temporary_.c_str());
}

void AtomicFile::commit() {
    buffer_->flushBlock();
    if (::fsync(fd_) != 0) fail("Could not write", target_, errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fail("Could not write", target_, errno);
    if (::rename(temporary_.c_str(), written_.c_str()) != 0) fail("Could not replace", target_, errno);
    committed_ = true;

    // The new name is on disk only once the folder is. A file system that
    // cannot flush a folder (EINVAL) keeps its names safe in its own way.
    const fs::path folder = written_.parent_path().empty() ? fs::path(".") : written_.parent_path();
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) fail("Could not flush the folder of", target_, errno);
    const bool synced = ::fsync(folderFd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(folderFd);
    if (!synced) fail("Could not flush the folder of", target_, error);
    removeAbandonedTemporaries(written_, folder);
}

}  // namespace ferlo
