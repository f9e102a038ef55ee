#pragma once

#include <filesystem>
#include <string>

namespace ferlo {

// The title of a part's texture image: the file name of its path, with
// extension and without folder, the name a project file stores; empty for a
// part without texture.
inline std::string textureTitle(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace ferlo
