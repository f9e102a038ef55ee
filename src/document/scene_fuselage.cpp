#include <algorithm>
#include <cstddef>
#include <vector>

#include "document/scene_drawing.h"
#include "document/scene_normals.h"

namespace ferlo {

namespace {

// The size of the fuselage's mesh: its sections and outline points.
struct MeshSize {
    int sections = 0;
    int points = 0;
};

// The mesh as it was built, whatever the counts have become since.
MeshSize meshSizeOf(const MeshSections& fuselage) { return {fuselage.meshSectionCount(), fuselage.meshPointCount()}; }

// The normals of section i's outline points 1..points (slot 0 unused): those
// of the faces towards the next section; the last section takes those of the
// one before it. Only two sections' normals are kept at a time, so drawing
// holds no second copy of the mesh.
void sectionNormals(const MeshSections& fuselage, MeshSize size, int i, std::vector<Point3D>& normals) {
    const int nc = size.points;
    const int s = std::min(i, size.sections - 1);
    auto P = [&](int j, int k) { return fuselage.pointGet(j, k, false); };
    normals.resize(static_cast<std::size_t>(nc) + 1);
    for (int j = 1; j < nc; ++j) normals[static_cast<std::size_t>(j)] = faceNormal(P(j, s), P(j + 1, s), P(j, s + 1));
    normals[static_cast<std::size_t>(nc)] = faceNormal(P(nc, s), P(1, s), P(nc, s + 1));
}

// One strip per pair of neighbouring sections, closed on point 1 with the
// texture coordinate of the last point; `mirror` draws the pair's copy.
void drawFuselageStrips(const MeshSections& fuselage, SceneSink& sink, MeshSize size, bool mirror) {
    const int nc = size.points;
    auto P = [&](int j, int i) { return fuselage.pointGet(j, i, mirror); };
    std::vector<Point3D> here, next;  // the normals of sections i and i + 1
    auto vertex = [&](int j, int i, const std::vector<Point3D>& N, int normalA, int normalB, int uvPoint) {
        const Point2D uv = fuselage.texcoordGet(uvPoint, i);
        vertexAvgNormal(sink, P(j, i), N[static_cast<std::size_t>(normalA)], N[static_cast<std::size_t>(normalB)],
                        uv.x, uv.y);
    };
    sectionNormals(fuselage, size, 1, here);
    for (int i = 1; i <= size.sections - 1; ++i) {
        sectionNormals(fuselage, size, i + 1, next);
        sink.begin(SceneSink::Primitive::TriangleStrip);
        vertex(1, i, here, 1, nc, 1);
        vertex(1, i + 1, next, 1, nc, 1);
        for (int j = 2; j <= nc; ++j) {
            vertex(j, i, here, j, j - 1, j);
            vertex(j, i + 1, next, j, j - 1, j);
        }
        vertex(1, i, here, 1, nc, nc);
        vertex(1, i + 1, next, 1, nc, nc);
        sink.end();
        std::swap(here, next);
    }
}

}  // namespace

void drawFuselage(const MeshSections& fuselage, SceneSink& sink) {
    const MeshSize size = meshSizeOf(fuselage);
    if (size.sections < 2 || size.points < 2) return;
    bindPartTexture(sink, fuselage, TextureWrap::Repeat);
    drawFuselageStrips(fuselage, sink, size, false);
    if (fuselage.shift != 0) drawFuselageStrips(fuselage, sink, size, true);
    sink.textureOff();
}

}  // namespace ferlo
