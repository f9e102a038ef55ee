#pragma once

#include <optional>
#include <string>

#include "base/geometry.h"
#include "base/line_writer.h"
#include "fuselage/mesh_sections.h"
#include "surfaces/vert_wing_section.h"
#include "surfaces/wing_section.h"

namespace ferlo {

// The text of a VRML 2.0 world, written line by line (CR LF) into an open
// file. One world: writeVrmlHeader; per part group writeVrmlGroup,
// writeVrmlTranslation, one geometry, writeVrmlAppearance, closeVrmlShape;
// then closeVrmlFile. The routines keep no state.

// A real number as the world file writes it, the same on every locale: at
// most 15 significant digits, a blank before a value >= 0 and "-" before a
// negative one, no zero before the point (" .5"), exponents as "E-20".
std::string vrmlReal(double value);
// The same text appended to `text`.
void appendVrmlReal(std::string& text, double value);

void writeVrmlHeader(LineWriter& out);
void writeVrmlGroup(LineWriter& out, const std::string& name);
// The group's translation and the opening of its Shape.
void writeVrmlTranslation(LineWriter& out, const Point3D& t);
// A wing or stabiliser half: root and tip rings closed by triangles. The
// side "right" negates the texture u coordinates.
void writeVrmlWingMesh(LineWriter& out, const WingSection& half, const std::string& side);
// The fin, or with `mirror` its twin.
void writeVrmlFinMesh(LineWriter& out, const VertWingSection& fin, bool mirror);
// A fuselage as its last mesh was built, or with `mirror` the other
// fuselage of its pair. A transparent fuselage gets only the faces of the
// middle band of each outline, so that the sides seen through it are not
// drawn twice.
void writeVrmlFuselageMesh(LineWriter& out, const MeshSections& fuselage, bool mirror);
void writeVrmlBox(LineWriter& out, const Point3D& size);
// Material colour (components 0..255) and image texture; an empty url for a
// part without texture.
void writeVrmlAppearance(LineWriter& out, const ColorRGB& colour, const std::string& url, bool repeat);
void closeVrmlShape(LineWriter& out);
void closeVrmlFile(LineWriter& out);

// The url a line written by writeVrmlAppearance holds, its escapes undone;
// nothing for any other line.
std::optional<std::string> vrmlUrlOf(const std::string& line);

}  // namespace ferlo
