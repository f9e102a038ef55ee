#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "document/plane.h"

namespace ferlo {

// One part's texture image and the file name of its copy beside a written
// file (project or world). Both empty for a part without texture.
struct TextureEntry {
    std::string source;
    std::string name;
};

// How the copies of one written file are named.
struct TextureCopyNaming {
    // The folder the copies go to.
    std::filesystem::path folder;
    // The written file itself: no copy takes its name.
    std::filesystem::path writtenFile;
    // The copy's name for a texture title (the title's file-name part).
    std::function<std::string(const std::string& title)> nameFor;
    // Whether a part's copy may lie on the part's own image (the copy is then
    // skipped); otherwise such a copy is numbered like any other clash.
    bool ownImageIsCopy = true;
    // The files in `folder` a copy may replace: the written file's own
    // earlier copies that no other file there refers to (replaceableCopies).
    std::set<std::string> replaceable;
};

// The copy name of every part's texture, in forEachTexturedPart's order: the
// name `nameFor` gives, unless a copy under it would replace an image some
// part is loaded from, the copy of another image, the written file or any
// other file of the folder that is not `replaceable`; such a name gets a
// number ("wood.jpg" gives "wood_2.jpg", then "wood_3.jpg").
std::vector<TextureEntry> textureCopyNames(const Plane& plane, const TextureCopyNaming& naming);

}  // namespace ferlo
