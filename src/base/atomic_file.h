#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace ferlo {

// What a save does with a symbolic link standing at its target's name.
enum class LinkAtTarget {
    // The file the user chose (a project, an export): the link stays a
    // link, and the file it points to (through a chain of links, a relative
    // one counting from its own folder) is replaced.
    WriteThrough,
    // Every other file (the texture copies, the preferences): the link is
    // replaced by the file, so a link planted in a folder never leads a save
    // into a file elsewhere.
    Replace,
};

// A file written in one pass and put in place only when complete. The text
// goes to a temporary file of its own beside the target: a hidden name with
// a random part and the program's marker (".plane.flx.ferlo-save-k3Zq9a.tmp"),
// created exclusively, so it never follows a link, never meets another
// save's temporary and is never taken for the user's file; it has the
// target's permissions (a new file gets the usual ones) and stays locked
// while its save runs. `commit` flushes it to disk, renames it over the
// target and flushes the folder, then removes the temporaries that killed
// saves left in that folder (marked, and locked by no save). Destroyed
// without a commit, it removes its temporary and leaves the previous file
// untouched. Every failure throws WriteError naming the file and the
// system's reason.
class AtomicFile {
public:
    AtomicFile(std::filesystem::path target, LinkAtTarget link);  // throws WriteError
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
    std::filesystem::path written_;    // the file replaced: the target, or what its link points to when written through
    std::filesystem::path temporary_;
    int fd_ = -1;
    std::unique_ptr<Buffer> buffer_;
    std::ostream out_;
    bool committed_ = false;
};

}  // namespace ferlo
