#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
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

// A hidden name beside `file` with a random part and a marker that no person
// gives a file of their own (".plane.flx.ferlo-save-k3Zq9a.tmp"): temporaries
// of saves under way never meet, and the clean-up below takes nothing else.
constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kRandomLetters = 6;
constexpr std::string_view kMarker = ".ferlo-save-";
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr std::size_t kMaxNameBytes = 255;  // NAME_MAX of the usual file systems

fs::path temporaryName(const fs::path& file, std::mt19937& random) {
    // The target's name only tells a person what the temporary is for; a
    // long one is cut (at a character's start) so the temporary's name fits.
    std::string title = file.filename().string();
    const std::size_t room = kMaxNameBytes - 1 - kMarker.size() - kRandomLetters - kTemporaryEnd.size();
    if (title.size() > room) {
        title.resize(room);
        while (!title.empty() && (static_cast<unsigned char>(title.back()) & 0xC0) == 0x80) title.pop_back();
        if (!title.empty() && static_cast<unsigned char>(title.back()) >= 0xC0) title.pop_back();
    }
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kLetters) - 2);
    std::string name = "." + title + std::string(kMarker);
    for (std::size_t i = 0; i < kRandomLetters; ++i) name += kLetters[pick(random)];
    return file.parent_path() / (name + std::string(kTemporaryEnd));
}

bool isTemporaryName(std::string_view name) {
    const std::size_t tail = kMarker.size() + kRandomLetters + kTemporaryEnd.size();
    if (name.size() <= tail || name.front() != '.' || !name.ends_with(kTemporaryEnd)) return false;
    const std::string_view marked = name.substr(name.size() - tail);
    return marked.starts_with(kMarker) &&
           marked.substr(kMarker.size(), kRandomLetters).find_first_not_of(kLetters) == std::string_view::npos;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The name still names the file open as `fd`.
bool namesOpenFile(const fs::path& name, int fd) {
    struct stat named {};
    struct stat open {};
    return ::lstat(name.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 && sameFile(named, open);
}

// Removes the temporaries of this program's saves in `folder` that no save
// holds any more: a save holds a lock on its temporary from the moment the
// temporary has its name until it is renamed or removed, and the lock ends
// with the save's process, so an unlocked temporary was left by a killed
// save, however young. The type is checked before anything is opened, and
// opening neither follows a link nor waits on a FIFO. Tidying up only: the
// save itself has succeeded, so nothing here fails it.
void removeAbandonedTemporaries(const fs::path& folder) noexcept try {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        struct stat named {};
        if (!isTemporaryName(path.filename().native()) || ::lstat(path.c_str(), &named) != 0 ||
            !S_ISREG(named.st_mode)) {
            continue;
        }
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        // Locked, and still the file of that name: no save holds it.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && namesOpenFile(path, fd)) {
            ::unlink(path.c_str());
        }
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

AtomicFile::AtomicFile(fs::path target, LinkAtTarget link)
    : target_(std::move(target)),
      written_(link == LinkAtTarget::WriteThrough ? followLinks(target_) : target_),
      out_(nullptr) {
    // The system would read such a name only up to the NUL: another file.
    if (target_.native().find('\0') != std::string::npos) fail("Could not create", target_, EINVAL);
    // A new file is created with the usual permissions (the process's umask
    // applies); the temporary of an existing file is private until `commit`
    // gives it the permissions of the file it replaces. A link that is
    // replaced counts as no file: what it points to lends no permissions.
    struct stat existing {};
    const bool replacing = ::lstat(written_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    const mode_t createMode = replacing ? S_IRUSR | S_IWUSR : 0666;

    std::mt19937 random(std::random_device{}());
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts && fd_ < 0; ++attempt) {
        temporary_ = temporaryName(written_, random);
        const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, createMode);
        if (fd < 0 && errno != EEXIST) fail("Could not create", target_, errno);
        if (fd < 0) continue;
        // Locked for as long as the save runs, so no clean-up takes it for
        // abandoned. A clean-up that locked it in the instant before removes
        // it: then another name is tried. A file system without locks has
        // clean-ups that lock nothing either.
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
        if (locked && namesOpenFile(temporary_, fd)) {
            fd_ = fd;
        } else {
            ::close(fd);
        }
    }
    if (fd_ < 0) fail("Could not create", target_, EEXIST);
    if (replacing && ::fchmod(fd_, existing.st_mode & 07777) != 0) {
        const int error = errno;
        ::unlink(temporary_.c_str());
        closeQuietly(fd_);
        fail("Could not create", target_, error);
    }
    buffer_ = std::make_unique<Buffer>(fd_, target_);
    out_.rdbuf(buffer_.get());
    out_.exceptions(std::ios::badbit);  // the buffer's WriteError reaches the writer
}

AtomicFile::~AtomicFile() {
    if (committed_) return;
    // Removed while still locked, so no clean-up meets it half gone.
    ::unlink(temporary_.c_str());
    closeQuietly(fd_);
}

void AtomicFile::commit() {
    buffer_->flushBlock();
    if (::fsync(fd_) != 0) fail("Could not write", target_, errno);
    // Renamed while still open and locked: an unlocked temporary is another
    // save's to remove. The text is on disk already, so closing afterwards
    // has nothing left to report.
    if (::rename(temporary_.c_str(), written_.c_str()) != 0) fail("Could not replace", target_, errno);
    committed_ = true;
    ::close(fd_);
    fd_ = -1;

    // The new name is on disk only once the folder is. A file system that
    // cannot flush a folder (EINVAL) keeps its names safe in its own way.
    const fs::path folder = written_.parent_path().empty() ? fs::path(".") : written_.parent_path();
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) fail("Could not flush the folder of", target_, errno);
    const bool synced = ::fsync(folderFd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(folderFd);
    if (!synced) fail("Could not flush the folder of", target_, error);
    removeAbandonedTemporaries(folder);
}

}  // namespace ferlo
