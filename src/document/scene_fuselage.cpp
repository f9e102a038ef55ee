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

// Normals by section i (0..sections) and outline point j (0..points); row
// and column 0 unused.
class MeshNormals {
public:
    explicit MeshNormals(MeshSize size)
        : columns_(static_cast<std::size_t>(size.points) + 1),
          normals_((static_cast<std::size_t>(size.sections) + 1) * columns_) {}
    Point3D& operator()(int i, int j) { return normals_[static_cast<std::size_t>(i) * columns_ + static_cast<std::size_t>(j)]; }
    const Point3D& operator()(int i, int j) const {
        return normals_[static_cast<std::size_t>(i) * columns_ + static_cast<std::size_t>(j)];
    }

private:
    std::size_t columns_;
    std::vector<Point3D> normals_;
};

// One strip per pair of neighbouring sections, closed on point 1 with the
// texture coordinate of the last point; `mirror` draws the pair's copy.
void drawFuselageStrips(const MeshSections& fuselage, SceneSink& sink, MeshSize size, const MeshNormals& N,
                        bool mirror) {
    const int nc = size.points;
    auto P = [&](int j, int i) { return fuselage.pointGet(j, i, mirror); };
    auto vertex = [&](int j, int i, int normalA, int normalB, int uvPoint) {
        const Point2D uv = fuselage.texcoordGet(uvPoint, i);
        vertexAvgNormal(sink, P(j, i), N(i, normalA), N(i, normalB), uv.x, uv.y);
    };
    for (int i = 1; i <= size.sections - 1; ++i) {
        sink.begin(SceneSink::Primitive::TriangleStrip);
        vertex(1, i, 1, nc, 1);
        vertex(1, i + 1, 1, nc, 1);
        for (int j = 2; j <= nc; ++j) {
            vertex(j, i, j, j - 1, j);
            vertex(j, i + 1, j, j - 1, j);
        }
        vertex(1, i, 1, nc, nc);
        vertex(1, i + 1, 1, nc, nc);
        sink.end();
    }
}

}  // namespace

void drawFuselage(const MeshSections& fuselage, SceneSink& sink) {
    const MeshSize size = meshSizeOf(fuselage);
    if (size.sections < 2 || size.points < 2) return;
    bindPartTexture(sink, fuselage, TextureWrap::Repeat);
    const int ns = size.sections;
    const int nc = size.points;
    auto P = [&](int j, int i) { return fuselage.pointGet(j, i, false); };

    // The faces towards the next section; the last section takes those of
    // the one before it.
    MeshNormals N(size);
    for (int i = 1; i < ns; ++i) {
        for (int j = 1; j < nc; ++j) N(i, j) = faceNormal(P(j, i), P(j + 1, i), P(j, i + 1));
        N(i, nc) = faceNormal(P(nc, i), P(1, i), P(nc, i + 1));
    }
    for (int j = 1; j <= nc; ++j) N(ns, j) = N(ns - 1, j);

    drawFuselageStrips(fuselage, sink, size, N, false);
    if (fuselage.shift != 0) drawFuselageStrips(fuselage, sink, size, N, true);
    sink.textureOff();
}

}  // namespace ferlo
