#include "base/atomic_file.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <system_error>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "base/line_writer.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"
#include "support/watched_fifo.h"

namespace ferlo {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using Names = std::vector<std::string>;

void save(const fs::path& target, const std::string& line, LinkAtTarget link = LinkAtTarget::WriteThrough) {
    AtomicFile file(target, link);
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
        AtomicFile file(target, LinkAtTarget::WriteThrough);
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
        AtomicFile file(target, LinkAtTarget::WriteThrough);
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
    expectWriteError([&] { AtomicFile file(dir.path() / "missing" / "plane.flx", LinkAtTarget::Replace); }, ENOENT);
    // The system would take the name only up to the NUL, another file's name.
    expectWriteError([&] { AtomicFile file(dir.path() / std::string("plane.flx\0.bmp", 14), LinkAtTarget::Replace); }, EINVAL);
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
            AtomicFile file(target, LinkAtTarget::WriteThrough);
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

    AtomicFile first(target, LinkAtTarget::WriteThrough);
    AtomicFile second(target, LinkAtTarget::WriteThrough);
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

    // A name as long as a name can be still has a temporary (its part of the
    // target's name cut at a character's start).
    const std::string longest = std::string(249, 'a') + "\xc3\xa9.flx";  // 255 bytes, an "e acute" in it
    save(dir.path() / longest, "long");
    EXPECT_EQ(TempDir::read(dir.path() / longest), "long\r\n");
}

// Leaves the temporary of a save of `target` as a save killed while writing
// leaves it: a child process starts the save and is killed.
void killedSave(const fs::path& target) {
    const pid_t child = fork();
    if (child == 0) {
        AtomicFile file(target, LinkAtTarget::WriteThrough);
        LineWriter(file.stream(), target.string()).writeLine("half");
        file.stream().flush();
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
}

bool isMarkedTemporary(const std::string& name) { return name.find(".ferlo-save-") != std::string::npos; }

// What saves killed on their way left in the folder is removed by the next
// save there, at once and whatever file they were saving; a save under way
// keeps its temporary (it holds its lock). Nothing else is taken: a user's
// hidden file named like a temporary, a file of the program's name form that
// is a link or a FIFO (neither followed nor opened, so no save waits on it).
TEST(AtomicFile, ASaveRemovesWhatKilledSavesLeftAndNothingElse) {
    TempDir dir;
    const fs::path target = dir.path() / "plane.flx";
    killedSave(target);
    killedSave(dir.path() / "other.flx");
    const auto leftBehind = [&] {
        Names names = dir.names();
        std::erase_if(names, [](const std::string& name) { return !isMarkedTemporary(name); });
        return names;
    };
    ASSERT_EQ(leftBehind().size(), 2u);

    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {".plane.flx.aB3xY9.tmp", ".plane.flx.abc.tmp", "plane.flx.part"}) {
        dir.write(name, "the user's");
        fs::last_write_time(dir.path() / name, anHourAgo);
    }
    const auto victim = dir.write("victim.txt", "someone else's file");
    fs::create_symlink(victim, dir.path() / ".victim.txt.ferlo-save-aB3xY9.tmp");
    const testing::WatchedFifo fifo(dir.path() / ".fifo.flx.ferlo-save-aB3xY9.tmp");
    const testing::WatchedFifo oldStyleFifo(dir.path() / ".plane.flx.fifo12.tmp");

    AtomicFile underWay(dir.path() / "third.flx", LinkAtTarget::WriteThrough);
    const Names whileUnderWay = leftBehind();
    save(target, "new");
    const Names kept = leftBehind();
    EXPECT_EQ(kept.size(), 3u);  // the link, the FIFO and the save under way
    EXPECT_TRUE(std::includes(whileUnderWay.begin(), whileUnderWay.end(), kept.begin(), kept.end()));
    for (const char* name : {".plane.flx.aB3xY9.tmp", ".plane.flx.abc.tmp", "plane.flx.part", "victim.txt",
                             ".victim.txt.ferlo-save-aB3xY9.tmp", ".fifo.flx.ferlo-save-aB3xY9.tmp"}) {
        EXPECT_TRUE(fs::exists(fs::symlink_status(dir.path() / name))) << name;
    }
    EXPECT_EQ(TempDir::read(victim), "someone else's file");
    EXPECT_EQ(fifo.readersSeen(), 0);
    EXPECT_EQ(oldStyleFifo.readersSeen(), 0);

    LineWriter(underWay.stream(), "third").writeLine("whole");
    underWay.commit();
    EXPECT_EQ(TempDir::read(dir.path() / "third.flx"), "whole\r\n");
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

// A file that replaces links (a texture copy) puts itself at the link's
// name, with the permissions of a new file; what the link pointed to stays.
TEST(AtomicFile, AFileThatReplacesLinksNeverWritesThroughOne) {
    TempDir dir;
    const auto victim = dir.write("notes.txt", "7 bytes");
    fs::permissions(victim, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(victim, dir.path() / "wood.jpg");
    fs::create_symlink("nowhere.bmp", dir.path() / "skin.bmp");
    const mode_t mask = umask(022);
    save(dir.path() / "wood.jpg", "copy", LinkAtTarget::Replace);
    save(dir.path() / "skin.bmp", "copy", LinkAtTarget::Replace);
    umask(mask);
    for (const char* copy : {"wood.jpg", "skin.bmp"}) {
        EXPECT_FALSE(fs::is_symlink(dir.path() / copy)) << copy;
        EXPECT_EQ(TempDir::read(dir.path() / copy), "copy\r\n") << copy;
        EXPECT_EQ(permissionsOf(dir.path() / copy), mode_t{0644}) << copy;
    }
    EXPECT_EQ(TempDir::read(victim), "7 bytes");
    EXPECT_EQ(dir.names(), (Names{"notes.txt", "skin.bmp", "wood.jpg"}));
}

}  // namespace
}  // namespace ferlo
