#include "ui_core/preferences_file.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "support/watched_fifo.h"

namespace ferlo {
namespace {

using testing::crlfLines;

// The file is read value by value; what is missing or cannot be read is
// empty, and the values after it are read all the same. CR LF and LF alike.
TEST(PreferencesFile, ReadsWhatItCanOfEveryFile) {
    struct Case {
        const char* name;
        std::optional<std::string> text;  // none: no file
        PreferencesValues expected;
    };
    const Case cases[] = {
        {"missing", std::nullopt, {"", false, false}},
        {"first use", crlfLines({"\"DoIt\"", "#TRUE#", "#FALSE#"}), {"DoIt", true, false}},
        {"millimetres", crlfLines({"\"Done\"", "#FALSE#", "#TRUE#"}), {"Done", false, true}},
        {"two values", crlfLines({"\"Done\"", "#TRUE#"}), {"Done", true, false}},
        {"one value", crlfLines({"\"Done\""}), {"Done", false, false}},
        {"empty", std::string(), {"", false, false}},
        {"LF only", std::string("\"Done\"\n#FALSE#\n#TRUE#\n"), {"Done", false, true}},
        {"no last line end", std::string("\"DoIt\"\r\n#TRUE#\r\n#FALSE#"), {"DoIt", true, false}},
        {"a damaged value", crlfLines({"Done", "yes", "#TRUE#"}), {"", false, true}},
        {"as large as can be", crlfLines({"\"DoIt\"", "#TRUE#", "#FALSE#"}) + std::string(kMaxPreferencesFileBytes - 25, ' '),
         {"DoIt", true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        const auto path = dir.path() / "prefs.txt";
        if (c.text) dir.write("prefs.txt", *c.text);
        const PreferencesRead read = readPreferencesFile(path);
        EXPECT_EQ(read.unusable, "");
        EXPECT_EQ(read.values.demostate, c.expected.demostate);
        EXPECT_EQ(read.values.inches, c.expected.inches);
        EXPECT_EQ(read.values.millimeters, c.expected.millimeters);
    }
}

// A file that cannot be used at all gives the values of a missing one and
// says why: it is no regular file (a FIFO is never opened, so nothing waits
// for its writer; a link to a device is not read without end) or larger
// than preferences can be (never read whole: a gigabyte costs nothing).
TEST(PreferencesFile, AFileThatCannotBeUsedSaysWhy) {
    testing::TempDir dir;
    const auto path = dir.path() / "prefs.txt";
    const auto expectUnusable = [&](const std::string& reason) {
        const PreferencesRead read = readPreferencesFile(path);
        EXPECT_NE(read.unusable.find(path.string()), std::string::npos) << read.unusable;
        EXPECT_NE(read.unusable.find(reason), std::string::npos) << read.unusable;
        EXPECT_EQ(read.values.demostate, "");
        EXPECT_FALSE(read.values.inches);
        EXPECT_FALSE(read.values.millimeters);
    };
    {
        const testing::WatchedFifo fifo(path);
        expectUnusable("not a regular file");
        EXPECT_EQ(fifo.readersSeen(), 0);
    }
    std::filesystem::remove(path);
    std::filesystem::create_symlink("/dev/zero", path);
    expectUnusable("not a regular file");
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    expectUnusable(std::system_category().message(EISDIR));
    std::filesystem::remove(path);
    dir.write("prefs.txt", crlfLines({"\"DoIt\"", "#TRUE#", "#FALSE#"}));
    std::filesystem::resize_file(path, std::uintmax_t{1} << 30);  // sparse: no disk space
    expectUnusable("larger than preferences can be (" + std::to_string(kMaxPreferencesFileBytes) + " bytes)");
    std::filesystem::resize_file(path, kMaxPreferencesFileBytes + 1);
    expectUnusable("larger than preferences can be");
}

// Written whole or not at all: a file that cannot be put in place leaves the
// previous one as it was.
TEST(PreferencesFile, WritesCrLfLinesInPlaceOrNotAtAll) {
    testing::TempDir dir;
    const auto path = dir.path() / "prefs.txt";
    writePreferencesFile(path, true, false);
    EXPECT_EQ(testing::TempDir::read(path), crlfLines({"\"Done\"", "#TRUE#", "#FALSE#"}));

    {
        testing::FileSizeLimit full(10);
        EXPECT_THROW(writePreferencesFile(path, false, true), WriteError);
    }
    EXPECT_EQ(testing::TempDir::read(path), crlfLines({"\"Done\"", "#TRUE#", "#FALSE#"}));
}

}  // namespace
}  // namespace ferlo
