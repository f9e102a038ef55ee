#pragma once

#include <filesystem>
#include <string>

#include "document/plane.h"
#include "editor/editor_state.h"

namespace ferlo {

// Runs `action(part)` on the part the open parameter tab edits, which the
// Palette command and the texture branch of the Open command act on: the
// current fuselage, the current wing panel, the stabiliser or the fin.
// False, and nothing runs, on the electronics tab. A current index naming
// no part throws std::out_of_range.
template <typename Action>
bool withPartOfTab(Plane& plane, ParameterTab tab, Action action) {
    switch (tab) {
    case ParameterTab::Fuselage:
        action(plane.fuselages.current());
        return true;
    case ParameterTab::Wing:
        action(plane.mainWing.current());
        return true;
    case ParameterTab::Stab:
        action(plane.stab);
        return true;
    case ParameterTab::Fin:
        action(plane.fin);
        return true;
    case ParameterTab::Electronics:
        break;
    }
    return false;
}

// A part's texture image: its full path, empty for none.
inline const std::string& texturePathOf(const SymWingSections& panel) { return panel.texture_filename(); }
template <typename Part>
const std::string& texturePathOf(const Part& part) {
    return part.texture_filename;
}

// Assigns the image at `path` to a part: loaded again at the next 3D
// rebuild, stored in the project under its file name.
inline void assignTexture(SymWingSections& panel, const std::string& path) {
    panel.set_texture_loaded(false);
    panel.set_texture_filename(path);
    panel.qualified_texture_filename = std::filesystem::path(path).filename().string();
}
template <typename Part>
void assignTexture(Part& part, const std::string& path) {
    part.texture_loaded = false;
    part.texture_filename = path;
    part.qualified_texture_filename = std::filesystem::path(path).filename().string();
}

// Takes a part's texture away: only the path goes.
inline void removeTexture(SymWingSections& panel) { panel.set_texture_filename(""); }
template <typename Part>
void removeTexture(Part& part) {
    part.texture_filename.clear();
}

}  // namespace ferlo
