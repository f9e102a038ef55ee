#include "document/project_file.h"

#include <optional>
#include <ostream>
#include <set>
#include <streambuf>
#include <string>
#include <utility>

#include "base/atomic_file.h"
#include "base/input_file.h"
#include "base/line_writer.h"
#include "base/texture_copies.h"
#include "base/value_writer.h"
#include "document/object_list_records.h"
#include "document/project_generations.h"
#include "document/texture_copy_names.h"
#include "document/texture_references.h"
#include "document/textured_parts.h"

namespace ferlo {

namespace fs = std::filesystem;

namespace {

// The folder of a project file; its texture names are found there.
fs::path folderOf(const fs::path& path) { return path.parent_path(); }

// The name of each part's copy: the part's texture title, numbered where it
// would replace another image or the project file. The project's version on
// disk is read for the copies it refers to only when there are copies to name.
std::vector<TextureEntry> textureEntries(const Plane& plane, const fs::path& projectPath) {
    std::set<std::string> replaceable;
    if (anyPartTextured(plane)) replaceable = replaceableCopies(projectPath, projectTextureNames(projectPath));
    return textureCopyNames(plane, {folderOf(projectPath), projectPath, [](const std::string& title) { return title; },
                                    true, std::move(replaceable)});
}

void writeBody(const Plane& plane, ValueWriter& out, const std::vector<TextureEntry>& textures) {
    plane.mainWing.saveWings(out);
    plane.stab.save(out);
    plane.fuselages.saveFuselages(out);
    plane.fin.save(out);
    plane.equipment.saveEquipment(out);
    out.boolean(plane.units == LengthUnit::Inches);
    saveObjectList(plane.fuselages, out);
    plane.mainWing.saveWingsAirfoil(out);
    for (const TextureEntry& texture : textures) out.string(texture.name);
}

// A stream buffer that takes every character and keeps none.
class DiscardingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

}  // namespace

bool projectFileCanHold(const Plane& plane) {
    DiscardingBuffer buffer;
    std::ostream discard(&buffer);
    LineWriter lines(discard, "project");
    ValueWriter out(lines);
    try {
        writeBody(plane, out, {});
    } catch (const WriteError&) {
        return false;
    }
    return true;
}

ProjectSaveResult saveProject(const Plane& plane, const fs::path& path, ImageConverter& converter) {
    const std::vector<TextureEntry> textures = textureEntries(plane, path);
    {
        AtomicFile file(path, LinkAtTarget::WriteThrough);
        LineWriter lines(file.stream(), path.string());
        ValueWriter out(lines);
        lines.writeLine(std::string(kProjectHeaderStart) + kProjectVersion);
        writeBody(plane, out, textures);
        file.commit();
    }
    // The copies come after the file: a texture image that has gone missing
    // must not keep the user from saving the aircraft.
    ProjectSaveResult result;
    for (const TextureEntry& texture : textures) {
        try {
            saveTarget(converter, texture.source, texture.name, folderOf(path));
        } catch (const std::exception& error) {
            result.textureCopyErrors.emplace_back(error.what());
        }
    }
    return result;
}

std::string joinTexturePath(const fs::path& folder, const std::string& name) {
    const fs::path title = fs::path(name).filename();
    if (title.empty()) return {};
    return (folder / title).string();
}

void readProjectCurrent(Plane& plane, ValueReader& in, const fs::path& projectDir) {
    plane.mainWing.readWings(in, plane.defaultColor);
    plane.stab.read(in);
    plane.fuselages.readFuselages(in, plane.defaultColor);
    plane.fin.read(in);
    plane.equipment.readEquipment(in);
    readUnitsFlag(plane, in);
    readObjectList(plane.fuselages, in);
    plane.mainWing.readWingsAirfoil(in);

    // One name per wing panel, the stabiliser, each fuselage and the fin. The
    // image is loaded at the part's next texture mapping.
    forEachTexturedPart(plane, [&](auto& part) { part.setTexture(joinTexturePath(projectDir, in.readString())); });
}

ProjectReadResult readProject(Plane& plane, const fs::path& path) {
    ProjectReadResult result;
    result.projectDir = folderOf(path);
    std::optional<InputFile> file;
    try {
        file.emplace(path);
    } catch (const ReadError& error) {
        result.status = ProjectReadStatus::Failed;
        result.error = error;
        result.message = error.what();
        return result;
    }
    ValueReader in(file->stream(), path.string());
    try {
        const std::string header = in.readLine();
        const ProjectGeneration generation = projectGenerationOf(header);
        if (generation == ProjectGeneration::V01) {
            result.status = ProjectReadStatus::Refused;
            result.message = kVersion01Refusal;
            return result;
        }
        if (generation != ProjectGeneration::Current) {
            readOlderProject(plane, in, generation);
        } else {
            // Every header that names no older generation is read as the
            // current format, but only when it is a project file's header.
            if (header.rfind(kProjectHeaderStart, 0) != 0) in.fail("this is not a project file");
            readProjectCurrent(plane, in, result.projectDir);
        }
    } catch (const ReadError& error) {
        result.error = error;
    } catch (const std::exception& error) {
        // A list or part refusing a value read correctly (a count out of range).
        result.error.emplace(path.string(), in.lineNumber(), error.what());
    }
    if (result.error) {
        result.status = ProjectReadStatus::Failed;
        result.message = result.error->what();
    }
    return result;
}

}  // namespace ferlo
