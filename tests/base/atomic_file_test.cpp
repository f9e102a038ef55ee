#include "base/atomic_file.h"

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "base/line_writer.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

using testing::TempDir;

TEST(AtomicFile, CommitReplacesTheFileWithCrLfLines) {
    TempDir dir;
    const auto target = dir.write("plane.flx", "old");
    {
        AtomicFile file(target);
        LineWriter lines(file.stream(), target);
        lines.writeLine("first");
        lines.writeLine("second");
        EXPECT_EQ(TempDir::read(target), "old");  // nothing replaced before the commit
        file.commit();
    }
    EXPECT_EQ(TempDir::read(target), "first\r\nsecond\r\n");
    EXPECT_FALSE(std::filesystem::exists(target + ".part"));
}

TEST(AtomicFile, AnAbandonedWriteLeavesThePreviousFileUntouched) {
    TempDir dir;
    const auto target = dir.write("plane.flx", "the user's design");
    try {
        AtomicFile file(target);
        LineWriter(file.stream(), target).writeLine("half");
        throw WriteError("disk full");
    } catch (const WriteError&) {
    }
    EXPECT_EQ(TempDir::read(target), "the user's design");
    EXPECT_FALSE(std::filesystem::exists(target + ".part"));
}

TEST(AtomicFile, AFolderThatDoesNotExistIsAWriteError) {
    TempDir dir;
    EXPECT_THROW(AtomicFile((dir.path() / "missing" / "plane.flx")), WriteError);
}

}  // namespace
}  // namespace ferlo
