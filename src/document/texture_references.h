#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace ferlo {

// The texture copies the files in a folder refer to, so that writing one file
// there replaces no copy another file refers to.

// The texture names the project file at `path` stores (every generation
// that stores them); none when it cannot be opened or is no regular file.
std::vector<std::string> projectTextureNames(const std::filesystem::path& path);
// The texture urls the VRML world at `path` holds; none when it cannot be
// opened or is no regular file (nothing waits on a FIFO).
std::vector<std::string> worldTextureUrls(const std::filesystem::path& path);

// The names of the copies beside `writtenFile` that writing it may replace:
// `earlierNames`, those its version on disk refers to, less every name that
// another project (".flx") or world (".wrl") in its folder refers to.
std::set<std::string> replaceableCopies(const std::filesystem::path& writtenFile,
                                        const std::vector<std::string>& earlierNames);

}  // namespace ferlo
