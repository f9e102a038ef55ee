#pragma once

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace ferlo::testing {

// The files of `folders` whose names end in `suffix` (every file for ""),
// sorted; a missing folder holds none.
inline std::vector<std::filesystem::path> filesIn(std::initializer_list<std::filesystem::path> folders,
                                                  const std::string& suffix = "") {
    std::vector<std::filesystem::path> files;
    for (const auto& folder : folders) {
        if (!std::filesystem::is_directory(folder)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file() && name.size() >= suffix.size() &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Runs a fuzz check (fuzz/fuzz_checks.h) on the bytes of every file, as the
// fuzz target would; a broken promise fails the test and names the file.
template <typename Check>
void expectEveryInputPasses(const std::vector<std::filesystem::path>& files, Check check) {
    for (const auto& file : files) {
        TempDir scratch;
        EXPECT_EQ(check(TempDir::read(file), scratch.path()), "") << file;
    }
}

}  // namespace ferlo::testing
