#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/file_errors.h"
#include "base/image_converter.h"
#include "base/value_reader.h"
#include "document/plane.h"

namespace ferlo {

// The project file (".flx"): a header line naming the format version, then
// the aircraft block by block, one value a line, CR LF. A saved project is a
// folder: the file and, beside it, a bitmap copy of every part's texture.

inline constexpr const char* kProjectHeaderStart = "# FERLO File Format V ";
inline constexpr const char* kProjectVersion = "2.2.1";

// What a save could not copy: one message for each texture image that could
// not be loaded or written. The project file itself is saved all the same.
struct ProjectSaveResult {
    std::vector<std::string> textureCopyErrors;
};

// Writes the project in the current format: header, wing panels, stabiliser,
// fuselages, fin, boxes, the units flag, the fuselage manager's shown flags,
// the wing airfoils and one texture name per wing panel, stabiliser, fuselage
// and fin. The file is put in place only when complete: a failed write throws
// WriteError and leaves the previous file untouched. Then every textured part
// gets its bitmap copy in the project's folder (through `converter`) under the
// name the file stores; a copy replaces no file of the folder but the
// project's own earlier copies that no other project or world there refers to
// (textureCopyNames): another name gets a number ("wood_2.jpg"). Changes no part.
ProjectSaveResult saveProject(const Plane& plane, const std::filesystem::path& path, ImageConverter& converter);

// Whether the project writer can write every value of `plane`: a number
// beyond kMaxFileMagnitude (or not finite) makes a project unsaveable.
bool projectFileCanHold(const Plane& plane);

enum class ProjectReadStatus {
    Read,     // the whole file was read
    Refused,  // a version 0.1 file: nothing was read
    Failed,   // the file could not be opened, or reading stopped at a bad value
};

struct ProjectReadResult {
    ProjectReadStatus status = ProjectReadStatus::Read;
    // The folder of the file; the texture names are found in it.
    std::filesystem::path projectDir;
    // Refused: the message for the user. Failed: where and why reading stopped.
    std::string message;
    std::optional<ReadError> error;
};

inline constexpr const char* kVersion01Refusal = "The flx file version 0.1.x is not any more supported";

// Reads a project file of any format generation back to "V 0.2" onto
// `plane`, which the caller has reset to the default aircraft (newPlane).
// The header picks the generation. A damaged file is read up to the first
// value that cannot be read: what was read stays, the rest keeps the default
// aircraft's values, and the result carries the file and line. Nothing is
// converted: the unit becomes the one the file names, where it names one.
ProjectReadResult readProject(Plane& plane, const std::filesystem::path& path);

// The body of a current-format file, after its header line. Throws ReadError
// at the first value that cannot be read.
void readProjectCurrent(Plane& plane, ValueReader& in, const std::filesystem::path& projectDir);

// The path of a texture stored under `name` in the project folder `folder`;
// empty for an empty name. Only the name's file-name part counts, so a stored
// name cannot point outside the project's folder.
std::string joinTexturePath(const std::filesystem::path& folder, const std::string& name);

}  // namespace ferlo
