#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace ferlo {

// A file written in one pass and put in place only when complete. The text
// goes to a temporary file of its own beside the target: a hidden name with
// a random part (".plane.flx.k3Zq9a.tmp"), created exclusively, so it never
// follows a link, never meets another save's temporary and is never taken
// for the user's file; it has the target's permissions (a new file gets the
// usual ones). `commit` flushes it to disk, renames it over the target and
// flushes the folder, then removes what saves of the same file left behind
// when their process was killed. A target that is a symbolic link stays a
// link: the file it points to is replaced. Destroyed without a commit, it
// removes its temporary and leaves the previous file untouched. Every
// failure throws WriteError naming the file and the system's reason.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path target);  // throws WriteError
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // A failed write throws WriteError from the stream's operation.
    std::ostream& stream() { return out_; }
    const std::filesystem::path& target() const { return target_; }

    // Flushes, closes and puts the file in place; throws WriteError when any
    // step failed, and then leaves the previous file untouched.
    void commit();

private:
    class Buffer;

    std::filesystem::path target_;     // as the caller named it, for messages
    std::filesystem::path written_;    // the file replaced: the target, or what its link points to
    std::filesystem::path temporary_;
    int fd_ = -1;
    std::unique_ptr<Buffer> buffer_;
    std::ostream out_;
    bool committed_ = false;
};

}  // namespace ferlo
