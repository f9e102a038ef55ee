#include "base/atomic_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <system_error>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "base/line_writer.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using Names = std::vector<std::string>;

void save(const fs::path& target, const std::string& line) {
    AtomicFile file(target);
    LineWriter(file.stream(), target.string()).writeLine(line);
    file.commit();
}

// `run` throws a WriteError whose message holds the system's reason for
// `error` (in the language of the process's locale).
template <typename Run>
void expectWriteError(Run run, int error) {
    const std::string reason = std::system_category().message(error);
    try {
        run();
        ADD_FAILURE() << "no error";
    } catch (const WriteError& e) {
        EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
    }
}

mode_t permissionsOf(const fs::path& file) {
    struct stat info {};
    stat(file.c_str(), &info);
    return info.st_mode & 07777;
}

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
    EXPECT_EQ(dir.names(), Names{"plane.flx"});
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
    EXPECT_EQ(dir.names(), Names{"plane.flx"});
}

// Every step that fails names the file and the system's reason, and leaves
// the previous file and no temporary behind.
TEST(AtomicFile, FailuresCarryTheSystemsReason) {
    TempDir dir;
    expectWriteError([&] { AtomicFile file(dir.path() / "missing" / "plane.flx"); }, ENOENT);
    // The system would take the name only up to the NUL, another file's name.
    expectWriteError([&] { AtomicFile file(dir.path() / std::string("plane.flx\0.bmp", 14)); }, EINVAL);
    EXPECT_TRUE(dir.names().empty());

    // The rename fails: the target is a folder.
    fs::create_directory(dir.path() / "folder.flx");
    expectWriteError([&] { save(dir.path() / "folder.flx", "text"); }, EISDIR);
    EXPECT_EQ(dir.names(), Names{"folder.flx"});
    EXPECT_TRUE(fs::is_empty(dir.path() / "folder.flx"));

    // A write fails: the disk is full.
    const auto target = dir.write("plane.flx", "the user's design");
    expectWriteError(
        [&] {
            AtomicFile file(target);
            LineWriter lines(file.stream(), target);
            const std::string block(1000, 'x');
            testing::FileSizeLimit full(4096);
            for (int i = 0; i < 100; ++i) lines.writeLine(block);
            file.commit();
        },
        EFBIG);
    EXPECT_EQ(TempDir::read(target), "the user's design");
    EXPECT_EQ(dir.names(), (Names{"folder.flx", "plane.flx"}));
}

// A save under way writes a hidden file of its own, which no other save
// truncates or follows: two saves to one path at once each put a whole file
// in place, and a link planted where the temporary once was stays untouched.
TEST(AtomicFile, TemporariesAreHiddenUniqueAndNeverFollowLinks) {
    TempDir dir;
    const fs::path target = dir.path() / "plane.flx";
    const auto victim = dir.write("victim.txt", "someone else's file");
    fs::create_symlink(victim, dir.path() / "plane.flx.part");

    AtomicFile first(target);
    AtomicFile second(target);
    const Names during = dir.names();
    ASSERT_EQ(during.size(), 4u);
    for (const std::string& name : during) {
        if (name == "plane.flx.part" || name == "victim.txt") continue;
        EXPECT_EQ(name.rfind(".plane.flx.", 0), 0u) << name;  // hidden, named after the target
        EXPECT_NE(name.substr(name.size() - 4), ".flx") << name;
    }
    const std::string firstText(100000, 'a');
    const std::string secondText(100000, 'b');
    LineWriter(first.stream(), "first").writeLine(firstText);
    LineWriter(second.stream(), "second").writeLine(secondText);
    first.commit();
    EXPECT_EQ(TempDir::read(target), firstText + "\r\n");
    second.commit();
    EXPECT_EQ(TempDir::read(target), secondText + "\r\n");
    EXPECT_EQ(TempDir::read(victim), "someone else's file");
    EXPECT_EQ(dir.names(), (Names{"plane.flx", "plane.flx.part", "victim.txt"}));
}

// A save killed on its way leaves its temporary; the next save of the file
// removes it, but never the temporary of a save under way, nor anything else.
TEST(AtomicFile, ASaveRemovesWhatKilledSavesOfTheFileLeft) {
    TempDir dir;
    const fs::path target = dir.path() / "plane.flx";
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {".plane.flx.aB3xY9.tmp", ".plane.flx.just12.tmp", ".other.flx.aB3xY9.tmp",
                             ".plane.flx.abc.tmp", "plane.flx.part"}) {
        dir.write(name, "left behind");
        if (std::string(name) != ".plane.flx.just12.tmp") fs::last_write_time(dir.path() / name, anHourAgo);
    }
    AtomicFile underWay(target);
    Names before = dir.names();
    for (const std::string& name : before) {
        if (name.find("aB3xY9") == std::string::npos && name.find("just12") == std::string::npos &&
            name.rfind(".plane.flx.", 0) == 0 && name.size() == 21) {
            fs::last_write_time(dir.path() / name, anHourAgo);  // a long save
        }
    }
    save(target, "new");
    before.erase(std::find(before.begin(), before.end(), ".plane.flx.aB3xY9.tmp"));
    before.insert(std::upper_bound(before.begin(), before.end(), "plane.flx"), "plane.flx");
    EXPECT_EQ(dir.names(), before);
}

TEST(AtomicFile, KeepsThePermissionsOfTheFileItReplaces) {
    TempDir dir;
    for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0755}}) {
        const auto target = dir.write("plane.flx", "old");
        fs::permissions(target, static_cast<fs::perms>(mode));
        save(target, "new");
        EXPECT_EQ(permissionsOf(target), mode);
        EXPECT_EQ(TempDir::read(target), "new\r\n");
    }
    // A new file gets the permissions any new file gets.
    const mode_t mask = umask(022);
    save(dir.path() / "new.flx", "new");
    umask(mask);
    EXPECT_EQ(permissionsOf(dir.path() / "new.flx"), mode_t{0644});
}

// A link stays a link: the file it points to (through a chain of links, a
// relative one counting from its own folder) gets the new text.
TEST(AtomicFile, ALinkedTargetWritesTheFileTheLinkPointsTo) {
    TempDir dir;
    fs::create_directory(dir.path() / "real");
    const auto real = dir.write("real/plane.flx", "old");
    fs::create_symlink("real/plane.flx", dir.path() / "link.flx");
    fs::create_symlink(dir.path() / "link.flx", dir.path() / "link2.flx");
    save(dir.path() / "link2.flx", "new");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.flx"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link2.flx"));
    EXPECT_EQ(TempDir::read(real), "new\r\n");
    EXPECT_EQ(dir.names(), (Names{"link.flx", "link2.flx", "real"}));

    // A link to a file not yet there creates it.
    fs::create_symlink("real/other.flx", dir.path() / "dangling.flx");
    save(dir.path() / "dangling.flx", "created");
    EXPECT_EQ(TempDir::read(dir.path() / "real" / "other.flx"), "created\r\n");

    // A loop of links is a write error.
    fs::create_symlink("loop2.flx", dir.path() / "loop1.flx");
    fs::create_symlink("loop1.flx", dir.path() / "loop2.flx");
    expectWriteError([&] { save(dir.path() / "loop1.flx", "text"); }, ELOOP);
}

}  // namespace
}  // namespace ferlo
