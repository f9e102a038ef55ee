#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace ferlo::bench {

// A folder of the benchmark's own for the files it writes, removed at exit:
// in /dev/shm where there is one, so that the disk's flushes do not drown
// what the program itself costs.
inline std::filesystem::path benchFolder() {
    namespace fs = std::filesystem;
    static const fs::path folder = [] {
        const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "ferlo_bench_XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        std::atexit([] { fs::remove_all(benchFolder()); });
        return fs::path(pattern);
    }();
    return folder;
}

}  // namespace ferlo::bench
