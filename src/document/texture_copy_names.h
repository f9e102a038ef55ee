#pragma once

#include <filesystem>
#include <functional>
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

// Calls `action(path, title)` with each part's texture path and title, in the
// order wing panels 1 to nbWings, stabiliser, fuselages 1 to nbFuselages, fin.
template <typename Action>
void forEachPartTexture(const Plane& plane, Action action) {
    for (int i = 1; i <= plane.mainWing.nbWings; ++i) {
        const SymWingSections& panel = plane.mainWing.wing(i);
        action(panel.texture_filename(), panel.qualified_texture_filename);
    }
    action(plane.stab.texture_filename(), plane.stab.qualified_texture_filename);
    for (int i = 1; i <= plane.fuselages.nbFuselages(); ++i) {
        const MeshSections& fuselage = plane.fuselages.fuselage(i);
        action(fuselage.texture_filename, fuselage.qualified_texture_filename);
    }
    action(plane.fin.texture_filename, plane.fin.qualified_texture_filename);
}

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
};

// The copy name of every part's texture, in forEachPartTexture's order: the
// name `nameFor` gives, unless a copy under it would replace an image some
// part is loaded from, the copy of another image, or the written file; such
// a name gets a number ("wood.jpg" gives "wood_2.jpg", then "wood_3.jpg").
std::vector<TextureEntry> textureCopyNames(const Plane& plane, const TextureCopyNaming& naming);

}  // namespace ferlo
