#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace ferlo::testing {

// A FIFO that no writer ever fills. A reader that opens it and waits is
// seen and let go (a writer comes and leaves at once, so the reader meets
// the end of the file), so code that would hang on it fails its test
// instead: `readersSeen` counts the openings noticed.
class WatchedFifo {
public:
    explicit WatchedFifo(std::filesystem::path path) : path_(std::move(path)) {
        if (::mkfifo(path_.c_str(), 0644) != 0) throw std::runtime_error("mkfifo " + path_.string());
        watcher_ = std::thread([this] {
            while (!stop_) {
                // Opens only while a reader has the FIFO open (or waits in
                // its open); a file saved over the FIFO is not counted.
                const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                struct stat info {};
                if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISFIFO(info.st_mode)) ++readersSeen_;
                if (fd >= 0) ::close(fd);
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
    }
    ~WatchedFifo() {
        stop_ = true;
        watcher_.join();
    }
    WatchedFifo(const WatchedFifo&) = delete;
    WatchedFifo& operator=(const WatchedFifo&) = delete;

    const std::filesystem::path& path() const { return path_; }
    int readersSeen() const { return readersSeen_; }

private:
    std::filesystem::path path_;
    std::atomic<bool> stop_ = false;
    std::atomic<int> readersSeen_ = 0;
    std::thread watcher_;
};

}  // namespace ferlo::testing
