// One libFuzzer target; FERLO_FUZZ_CHECK names the check of fuzz_checks.h it
// runs. A broken promise is reported and aborts, so libFuzzer keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include <filesystem>

#include "fuzz/fuzz_checks.h"

namespace {

// The folder the target works in: in memory where the system offers it, one
// per process, removed with what it holds when the process ends.
class ScratchFolder {
public:
    ScratchFolder() {
        namespace fs = std::filesystem;
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        path_ = base / ("ferlo-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFolder folder;
    const std::string failure =
        ferlo::fuzz::FERLO_FUZZ_CHECK(std::string(reinterpret_cast<const char*>(data), size), folder.path());
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
