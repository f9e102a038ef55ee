#pragma once

#include <filesystem>
#include <fstream>

namespace ferlo {

// A file written in one pass and put in place only when complete: the text
// goes to a temporary file beside the target, which `commit` renames over the
// target. Destroyed without a commit, it removes the temporary file and
// leaves the previous file untouched.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path target);  // throws WriteError
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    std::ostream& stream() { return out_; }
    const std::filesystem::path& target() const { return target_; }

    // Flushes, closes and renames; throws WriteError when any step failed.
    void commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream out_;
    bool committed_ = false;
};

}  // namespace ferlo
