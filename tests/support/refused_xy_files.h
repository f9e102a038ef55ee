#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "support/temp_dir.h"

namespace ferlo::testing {

// An ".xy" airfoil file the reader refuses, and the line its ReadError names.
struct RefusedXyFile {
    const char* name;
    const char* text;  // nullptr: the file does not exist
    int line;
};

// A damaged file with one line of a megabyte, and one with a long token
// within the bound of a line.
inline const std::string& megabyteLineXy() {
    static const std::string text = "title\n1 0\n0.5 " + std::string(1 << 20, '9') + "\n0 0\n";
    return text;
}
inline const std::string& longTokenXy() {
    static const std::string text = "title\n1 0\n0.5 " + std::string(3000, 'x') + "\n0 0\n";
    return text;
}

inline const std::vector<RefusedXyFile>& refusedXyFiles() {
    static const std::vector<RefusedXyFile> files = {
        {"missing", nullptr, 0},
        {"empty", "", 0},
        {"title only", "title\n", 1},
        {"two points", "title\n1 0\n0 0\n", 3},
        {"not a number", "title\n1 0\n0.5 abc\n0 0\n", 3},
        {"odd count", "title\n1 0\n0.5 0.1\n0 0\n0.5\n", 5},
        {"height missing after a blank line", "title\n1 0\n\n0.5 0.1\n0 0\n0.5\n", 6},
        // Values a project file could not hold or read back.
        {"beyond the file limit", "title\n1 0\n0.5 -1e308\n0 0\n0.5 1e308\n1 0\n", 3},
        {"heights beyond the file limit once normalised", "title\n1 0\n0.5 -0.005\n1 0\n0.5 0.005\n1 0\n1 5e11\n", 7},
        {"thickness beyond the file limit", "title\n1 0\n0.5 -9e11\n0 0\n0.5 9e11\n1 0\n", 6},
        {"a chord extent of almost nothing", "title\n1e-14 0\n5e-15 -0.05\n0 0\n5e-15 0.05\n1e-14 0\n", 6},
        {"no chord extent", "title\n0.5 0\n0.5 -0.05\n0.5 0.05\n", 4},
        {"one line of a megabyte", megabyteLineXy().c_str(), 3},
        {"a long token", longTokenXy().c_str(), 3},
    };
    return files;
}

// Writes `file` into `dir` (or only names it, for the missing one); returns its path.
inline std::string placeXyFile(const TempDir& dir, const RefusedXyFile& file) {
    return file.text ? dir.write("bad.xy", file.text) : (dir.path() / "none.xy").string();
}

// `load` throws a ReadError naming `path` and `line`, in its fields and its message.
template <typename Load>
void expectReadErrorAt(Load load, const std::string& path, int line) {
    try {
        load();
        ADD_FAILURE() << "accepted";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file(), path);
        EXPECT_EQ(e.line(), line);
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
}

}  // namespace ferlo::testing
