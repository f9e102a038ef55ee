#include "document/scene_drawing.h"

#include "document/scene_normals.h"

namespace ferlo {

namespace {

// The two halves of a panel, each in its own colour's material.
void drawPanel(const SymWingSections& panel, SceneSink& sink) {
    setMaterialColour(sink, panel.colorGet());
    drawWingPanelLeft(panel.Left, sink);
    drawWingPanelRight(panel.Right, sink);
}

// Decoding goes without the renderer: the pixels are handed over when the
// scene is drawn.
class NoUpload : public TextureUpload {
public:
    void upload(std::int32_t, std::int32_t, const std::vector<std::uint8_t>&, TextureWrap) override {}
};

}  // namespace

void drawScene(const Plane& plane, SceneSink& sink) {
    sink.blending(false);
    drawEquipment(plane.equipment, sink);
    for (int i = 1; i <= plane.mainWing.nbWings; ++i) drawPanel(plane.mainWing.wing(i), sink);
    drawPanel(plane.stab, sink);
    setMaterialColour(sink, plane.fin.colorGet());
    drawFin(plane.fin, sink);
    const FuselageList& fuselages = plane.fuselages;
    for (int i = 1; i <= fuselages.nbFuselages(); ++i) {
        if (!fuselages.shown(i)) continue;
        const MeshSections& fuselage = fuselages.fuselage(i);
        setMaterialColour(sink, fuselage.colorGet());
        sink.blending(fuselage.transparent);
        drawFuselage(fuselage, sink);
    }
}

void decodeSceneTextures(Plane& plane, ImageConverter& converter, ConversionProgress& progress,
                         TextureErrorNotifier& notifier) {
    NoUpload noUpload;
    TextureContext context{converter, progress, noUpload, notifier};
    auto decodePanel = [&](SymWingSections& panel) {
        panel.Left.textureMap(context);
        panel.Right.textureMap(context);
    };
    for (int i = 1; i <= plane.mainWing.nbWings; ++i) decodePanel(plane.mainWing.wing(i));
    decodePanel(plane.stab);
    plane.fin.textureMap(context);
    for (int i = 1; i <= plane.fuselages.nbFuselages(); ++i) {
        if (plane.fuselages.shown(i)) plane.fuselages.fuselage(i).textureMap(context);
    }
}

void setMaterialColour(SceneSink& sink, const ColorRGB& colour) { sink.material(colour, kPartAlpha); }

void vertexNormal(SceneSink& sink, const Point3D& p, const Point3D& n, double u, double v) {
    sink.normal(n);
    if (u != -1.0 && v != -1.0) sink.texCoord(u, v);
    sink.vertex(p);
}

void vertexAvgNormal(SceneSink& sink, const Point3D& p, const Point3D& a, const Point3D& b, double u, double v) {
    vertexNormal(sink, p, midNormal(a, b), u, v);
}

void drawEquipment(const Equipment& equipment, SceneSink& sink) {
    for (int i = 1; i <= equipment.nbBoxes; ++i) {
        const ElectroBox& box = equipment.box(i);
        const Point3D c = box.cornerGet();
        const Point3D s = box.sizeGet();
        setMaterialColour(sink, box.colorGet());

        // Around the length: the four long faces, shaded with normals on
        // the box's edges (the renderer brings them to unit length).
        struct Edge {
            Point3D normal;
            double y, z;
        };
        const Edge edges[] = {{{0, -1, -1}, c.y, c.z},
                              {{0, -1, 1}, c.y, c.z + s.z},
                              {{0, 1, 1}, c.y + s.y, c.z + s.z},
                              {{0, 1, -1}, c.y + s.y, c.z},
                              {{0, -1, -1}, c.y, c.z}};
        sink.begin(SceneSink::Primitive::QuadStrip);
        for (const Edge& edge : edges) {
            sink.normal(edge.normal);
            sink.vertex({c.x, edge.y, edge.z});
            sink.vertex({c.x + s.x, edge.y, edge.z});
        }
        sink.end();

        // The front and rear ends.
        for (const bool rear : {false, true}) {
            const double x = rear ? c.x + s.x : c.x;
            sink.begin(SceneSink::Primitive::Quads);
            sink.normal({rear ? 1.0 : -1.0, 0, 0});
            sink.vertex({x, c.y, c.z});
            sink.vertex({x, c.y, c.z + s.z});
            sink.vertex({x, c.y + s.y, c.z + s.z});
            sink.vertex({x, c.y + s.y, c.z});
            sink.end();
        }
    }
}

int halfCount(int n, int k) {
    int count = n / 2 + k;
    if (n % 2 != 0 && count % 2 != 0) ++count;  // x.5 goes to the even neighbour
    return count;
}

}  // namespace ferlo
