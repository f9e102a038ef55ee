#pragma once

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace ferlo::testing {

// A folder of its own for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("ferlo-test-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes `text` as it stands into a file of this folder; returns its path.
    std::string write(const std::string& name, const std::string& text) const {
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary) << text;
        return file.string();
    }

    // The names of everything in this folder (hidden files too), sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            result.push_back(entry.path().filename().string());
        }
        std::sort(result.begin(), result.end());
        return result;
    }

    static std::string read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
};

}  // namespace ferlo::testing
