#pragma once

#include <string>

#include "document/project_file.h"
#include "support/fake_image_converter.h"
#include "support/temp_dir.h"

namespace ferlo::testing {

// The text the project writer gives for `plane` (its textures copied into a
// scratch folder), for comparing whole aircraft.
inline std::string projectText(const Plane& plane) {
    TempDir dir;
    FakeImageConverter converter;
    const auto path = dir.path() / "plane.flx";
    saveProject(plane, path, converter);
    return TempDir::read(path);
}

}  // namespace ferlo::testing
