#include "document/dxf_export.h"

#include <stdexcept>

#include "base/atomic_file.h"
#include "base/dxf_writer.h"
#include "base/line_writer.h"

namespace ferlo {

namespace {

// Writes the DXF frame around what `writeParts` writes into a temporary file
// and puts it in place only when all of it was written. The pen moves on a
// copy that the document takes over with the finished file.
template <typename WriteParts>
void writeDrawing(Plane& plane, const std::filesystem::path& path, WriteParts writeParts) {
    AtomicFile target(path, LinkAtTarget::WriteThrough);
    LineWriter lines(target.stream(), path.string());
    Point3D pen = plane.dxfLastPoint;
    DxfFile file{lines, pen};
    dxfHeader(file);
    writeParts(file);
    dxfFooter(file);
    target.commit();
    plane.dxfLastPoint = pen;
}

// The VTop and Front drawings: every main-wing panel, the stabiliser, the
// fin, then the fuselages, each through its writer of the view.
void writeEveryPanelDrawing(Plane& plane, const std::filesystem::path& path,
                            void (SymWingSections::*panelWriter)(DxfFile&) const,
                            void (VertWingSection::*finWriter)(DxfFile&) const,
                            void (FuselageList::*fuselagesWriter)(DxfFile&) const) {
    writeDrawing(plane, path, [&](DxfFile& file) {
        for (int i = 1; i <= plane.mainWing.nbWings; ++i) (plane.mainWing.wing(i).*panelWriter)(file);
        (plane.stab.*panelWriter)(file);
        (plane.fin.*finWriter)(file);
        (plane.fuselages.*fuselagesWriter)(file);
    });
}

}  // namespace

void exportDXF_vtop(Plane& plane, const std::filesystem::path& path) {
    writeEveryPanelDrawing(plane, path, &SymWingSections::saveDXF_vtop, &VertWingSection::saveDXF_vtop,
                           &FuselageList::saveDXF_vtopFuselages);
}

void exportDXF_front(Plane& plane, const std::filesystem::path& path) {
    writeEveryPanelDrawing(plane, path, &SymWingSections::saveDXF_front, &VertWingSection::saveDXF_front,
                           &FuselageList::saveDXF_frontFuselages);
}

void exportDXF_side(Plane& plane, const std::filesystem::path& path) {
    writeDrawing(plane, path, [&plane](DxfFile& file) {
        plane.mainWing.wing(1).saveDXF_side(file);
        plane.stab.saveDXF_side(file);
        plane.fin.saveDXF_side(file);
        plane.fuselages.saveDXF_sideFuselages(file);
        plane.equipment.saveDXF_sideEquipment(file);
    });
}

void exportDXF_htop(Plane& plane, const std::filesystem::path& path) {
    // The current fuselage is looked up before the file is created.
    const MeshSections& fuselage = plane.fuselages.current();
    writeDrawing(plane, path, [&plane, &fuselage](DxfFile& file) {
        fuselage.saveDXF_htop(file);
        plane.equipment.saveDXF_htopEquipment(file);
    });
}

void exportDXF(Plane& plane, ViewKind mode, const std::filesystem::path& path) {
    switch (mode) {
        case ViewKind::VTop: return exportDXF_vtop(plane, path);
        case ViewKind::Front: return exportDXF_front(plane, path);
        case ViewKind::Side: return exportDXF_side(plane, path);
        case ViewKind::HTop: return exportDXF_htop(plane, path);
    }
    throw std::invalid_argument("No 2D view has the number " + std::to_string(static_cast<int>(mode)));
}

}  // namespace ferlo
