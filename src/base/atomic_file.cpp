#include "base/atomic_file.h"

#include <system_error>

#include "base/file_errors.h"

namespace ferlo {

AtomicFile::AtomicFile(std::filesystem::path target)
    : target_(std::move(target)), temporary_(target_) {
    temporary_ += ".part";
    out_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!out_) {
        throw WriteError("Could not create " + target_.string());
    }
}

AtomicFile::~AtomicFile() {
    if (!committed_) {
        out_.close();
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void AtomicFile::commit() {
    out_.flush();
    const bool written = static_cast<bool>(out_);
    out_.close();
    if (!written || out_.fail()) {
        throw WriteError("Could not write " + target_.string());
    }
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) {
        throw WriteError("Could not replace " + target_.string() + ": " + error.message());
    }
    committed_ = true;
}

}  // namespace ferlo
