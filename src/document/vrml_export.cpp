#include "document/vrml_export.h"

#include <functional>
#include <set>
#include <stdexcept>
#include <utility>

#include "base/atomic_file.h"
#include "base/line_writer.h"
#include "base/texture_copies.h"
#include "document/plane_operations.h"
#include "document/texture_copy_names.h"
#include "document/texture_references.h"
#include "document/textured_parts.h"
#include "document/vrml_writer.h"

namespace ferlo {

namespace fs = std::filesystem;

namespace {

// One part group: its translation, geometry, colour, texture address and
// whether the texture repeats.
void writeGroup(LineWriter& out, const std::string& name, const Point3D& translation,
                const std::function<void()>& geometry, const ColorRGB& colour, const std::string& url, bool repeat) {
    writeVrmlGroup(out, name);
    writeVrmlTranslation(out, translation);
    geometry();
    writeVrmlAppearance(out, colour, url, repeat);
    closeVrmlShape(out);
}

void writeWorld(LineWriter& out, const Plane& plane, const std::vector<TextureEntry>& textures,
                const Point3D& origin) {
    std::size_t texture = 0;  // the entries follow forEachTexturedPart's order
    writeVrmlHeader(out);
    auto writeHalves = [&](const SymWingSections& panel, const char* leftName, const char* rightName) {
        const std::string& url = textures[texture++].name;
        writeGroup(out, leftName, origin, [&] { writeVrmlWingMesh(out, panel.Left, "left"); }, panel.colorGet(), url,
                   false);
        writeGroup(out, rightName, origin, [&] { writeVrmlWingMesh(out, panel.Right, "right"); }, panel.colorGet(),
                   url, false);
    };
    for (int i = 1; i <= plane.mainWing.nbWings; ++i) writeHalves(plane.mainWing.wing(i), "WingLeft", "WingRight");
    writeHalves(plane.stab, "StabLeft", "StabRight");

    for (int i = 1; i <= plane.fuselages.nbFuselages(); ++i) {
        const MeshSections& fuselage = plane.fuselages.fuselage(i);
        const std::string& url = textures[texture++].name;
        for (const bool mirror : {false, true}) {
            if (mirror && fuselage.shift == 0) continue;
            writeGroup(out, "Fuselage", origin, [&] { writeVrmlFuselageMesh(out, fuselage, mirror); },
                       fuselage.colorGet(), url, true);
        }
    }

    const std::string& finUrl = textures[texture++].name;
    for (const bool mirror : {false, true}) {
        if (mirror && !plane.fin.isTwin()) continue;
        writeGroup(out, "Rudder", origin, [&] { writeVrmlFinMesh(out, plane.fin, mirror); }, plane.fin.colorGet(),
                   finUrl, false);
    }

    for (int i = 1; i <= plane.equipment.nbBoxes; ++i) {
        const ElectroBox& box = plane.equipment.box(i);
        writeGroup(out, "Equipment", box.centerGet(), [&] { writeVrmlBox(out, box.sizeGet()); }, box.colorGet(), "",
                   false);
    }
    closeVrmlFile(out);
}

// Whether each entry's image is turned: the panels' and the stabiliser's are,
// the fuselages' and the fin's are not.
std::vector<bool> turnedImages(const Plane& plane) {
    std::vector<bool> turned(static_cast<std::size_t>(plane.mainWing.nbWings) + 1, true);
    turned.resize(turned.size() + static_cast<std::size_t>(plane.fuselages.nbFuselages()) + 1, false);
    return turned;
}

// The texture coordinates of the panels, the stabiliser and the fin depend on
// the size of their image: an image the 3D view has not loaded yet is loaded
// here as the view loads it, without the upload. The fuselages' coordinates
// need no image. Returns the images that failed, each reported once in
// `errors`.
std::set<std::string> loadTextures(Plane& plane, ImageConverter& converter, ConversionProgress& progress,
                                   std::vector<std::string>& errors) {
    std::set<std::string> failed;
    forEachTexturedPart(plane, [&](auto& part) {
        if constexpr (requires { part.loadTexture(converter, progress); }) {
            try {
                part.loadTexture(converter, progress);
            } catch (const ImageError& error) {
                if (failed.insert(part.texture_filename()).second) errors.emplace_back(error.what());
            }
        }
    });
    return failed;
}

}  // namespace

VrmlExportResult exportVRML(Plane& plane, const fs::path& path, ImageConverter& converter,
                            ConversionProgress& progress, const Point3D& modelOrigin) {
    // The current fuselage stays: the fuselage panel still shows it, so the
    // values typed there after the export go into the fuselage it shows.
    plane.fuselages.showAll();
    createAll(plane);
    VrmlExportResult result;
    const std::set<std::string> failedImages = loadTextures(plane, converter, progress, result.textureCopyErrors);

    const fs::path folder = path.parent_path();
    // The world's version on disk is read for the copies it refers to only
    // when there are copies to name.
    std::set<std::string> replaceable;
    if (anyPartTextured(plane)) replaceable = replaceableCopies(path, worldTextureUrls(path));
    const std::vector<TextureEntry> textures =
        textureCopyNames(plane, {folder, path, [](const std::string& title) { return jpgCopyName(title, title); },
                                 false, std::move(replaceable)});
    {
        AtomicFile file(path, LinkAtTarget::WriteThrough);
        LineWriter out(file.stream(), path.string());
        try {
            writeWorld(out, plane, textures, modelOrigin);
        } catch (const std::invalid_argument& error) {  // a number that cannot be written
            throw WriteError(path.string() + ": " + error.what());
        }
        file.commit();
    }

    // The copies come after the world: a texture image that has gone missing
    // must not keep the user from exporting the aircraft.
    const std::vector<bool> turned = turnedImages(plane);
    for (std::size_t i = 0; i < textures.size(); ++i) {
        if (failedImages.count(textures[i].source)) continue;  // reported already
        try {
            convertJPG(converter, textures[i].source, textures[i].name, folder, !turned[i]);
        } catch (const std::exception& error) {
            result.textureCopyErrors.emplace_back(error.what());
        }
    }
    return result;
}

}  // namespace ferlo
