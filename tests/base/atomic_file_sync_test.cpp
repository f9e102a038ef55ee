// Watches the system calls that make a save durable: this test program's own
// fsync and rename stand in front of the C library's and record, while a test
// asks them to, what they were called on.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/line_writer.h"
#include "support/temp_dir.h"

namespace {

bool recording = false;
std::vector<std::string> calls;

std::string pathOfDescriptor(int fd) {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), error).string();
}

}  // namespace

extern "C" int fsync(int fd) {
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
    if (recording) calls.push_back("fsync " + pathOfDescriptor(fd));
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    using Rename = int (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    if (recording) calls.push_back(std::string("rename ") + from + " " + to);
    return real(from, to);
}

namespace ferlo {
namespace {

// The file reaches the disk before it replaces the target, and the folder
// after, so a crash leaves either the old file or the whole new one.
TEST(AtomicFileSync, FlushesTheFileBeforeTheRenameAndTheFolderAfter) {
    testing::TempDir dir;
    const std::filesystem::path target = dir.path() / "plane.flx";
    calls.clear();
    recording = true;
    {
        AtomicFile file(target, LinkAtTarget::WriteThrough);
        LineWriter(file.stream(), target.string()).writeLine("text");
        file.commit();
    }
    recording = false;
    ASSERT_EQ(calls.size(), 3u);
    // The descriptors name the folder as the system resolves it.
    const std::filesystem::path folder = std::filesystem::canonical(dir.path());
    const std::string prefix = "fsync " + (folder / ".plane.flx.").string();
    EXPECT_EQ(calls[0].rfind(prefix, 0), 0u) << calls[0];
    const std::string temporary = calls[0].substr(6);
    EXPECT_EQ(calls[1], "rename " + (dir.path() / std::filesystem::path(temporary).filename()).string() + " " +
                            target.string());
    EXPECT_EQ(calls[2], "fsync " + folder.string());
}

}  // namespace
}  // namespace ferlo
