#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace ferlo::bench {

// A folder of the benchmark's own for the files it writes, removed at exit:
// in /dev/shm where there is one, so that the disk's flushes do not drown
// what the program itself costs.
inline const std::filesystem::path& benchFolder() {
    namespace fs = std::filesystem;
    struct Folder {
        fs::path path;
        Folder() {
            const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
            std::string pattern = (base / "ferlo_bench_XXXXXX").string();
            if (!::mkdtemp(pattern.data())) std::abort();
            path = pattern;
        }
        ~Folder() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

}  // namespace ferlo::bench
