#pragma once

#include <filesystem>

#include "document/plane.h"
#include "document/view_kind.h"

namespace ferlo {

// The DXF drawing of one 2D view, at scale 1 in the current unit: every part
// the view shows writes its outline as LINE entities on its own layer.
//   VTop, Front: every main-wing panel, the stabiliser, the fin, then every
//                fuselage with outline points (hidden ones too).
//   Side:        main-wing panel 1 only, the stabiliser, the fin, every
//                fuselage with outline points, then every equipment box.
//   HTop:        the current fuselage only, then every equipment box.
// The file at `path` is created or replaced only when the whole drawing has
// been written: a failure throws (WriteError when the file cannot be
// written, std::out_of_range when the current fuselage names none), leaves a
// previous file at `path` untouched and the document's DXF pen where it was.
void exportDXF_vtop(Plane& plane, const std::filesystem::path& path);
void exportDXF_front(Plane& plane, const std::filesystem::path& path);
void exportDXF_side(Plane& plane, const std::filesystem::path& path);
void exportDXF_htop(Plane& plane, const std::filesystem::path& path);

// The export of the view on screen (`Main.mode`).
void exportDXF(Plane& plane, ViewKind mode, const std::filesystem::path& path);

}  // namespace ferlo
