#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/conversion_progress.h"
#include "base/file_errors.h"
#include "base/geometry.h"
#include "base/image_converter.h"
#include "document/plane.h"

namespace ferlo {

// What an export could not do: one message for each texture image that could
// not be loaded or copied (its part is written without texture coordinates
// and gets no copy). The world file itself is written all the same.
struct VrmlExportResult {
    std::vector<std::string> textureCopyErrors;
};

// Writes the whole aircraft as a VRML 2.0 world at `path`: both halves of
// every wing panel and of the stabiliser, every fuselage (and the other one
// of a pair), the fin (and its twin) and every equipment box, each a group
// with its colour. Every group but the boxes is placed at `modelOrigin`.
//
// First every fuselage is marked shown and the 3D geometry of every part is
// rebuilt, so hidden fuselages are exported too and stay shown; the current
// fuselage stays current. A textured panel, stabiliser or fin whose image is
// not loaded yet has it loaded (through `converter`, with `progress`), as the
// 3D view would, for its texture coordinates. The world is put in place only when complete: a
// failed write throws WriteError and leaves a previous file untouched (the
// fuselages stay shown). Then each textured part gets one JPEG copy of its
// image in the world's folder (through `converter`), named after its texture
// title with "jpg" in place of its last three characters; a copy replaces no
// file of the folder but the world's own earlier copies that no other project
// or world there refers to (textureCopyNames): another name gets a number
// ("wood_2.jpg").
VrmlExportResult exportVRML(Plane& plane, const std::filesystem::path& path, ImageConverter& converter,
                            ConversionProgress& progress, const Point3D& modelOrigin = {});

}  // namespace ferlo
