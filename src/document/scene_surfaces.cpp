#include <vector>

#include "document/scene_drawing.h"
#include "document/scene_normals.h"

namespace ferlo {

namespace {

// Normals of section points 1..n (slot 0 unused); a row naming a point
// outside the section is not kept.
class SectionNormals {
public:
    explicit SectionNormals(int n) : normals_(static_cast<std::size_t>(n) + 1) {}
    void set(int i, const Point3D& normal) {
        if (i >= 1 && static_cast<std::size_t>(i) < normals_.size()) normals_[static_cast<std::size_t>(i)] = normal;
    }
    const Point3D& operator()(int i) const { return normals_[static_cast<std::size_t>(i)]; }
    void turnRound() {
        for (Point3D& n : normals_) n = {-n.x, -n.y, -n.z};
    }

private:
    std::vector<Point3D> normals_;
};

// Normals taken from the order of the section points face out of the wing
// when the outline runs as the built-in airfoil does (the lower surface
// first from the trailing edge) and into it when it runs the other way (the
// upper surface first, as many airfoil files list it), where they would
// leave the wing unlit. Both sets are turned round when, summed over the
// root and tip sections, they point towards each section's middle rather
// than away from it.
template <typename Root, typename Tip>
void faceOutwards(SectionNormals& A, SectionNormals& B, int n, Root R, Tip T) {
    double outwards = 0;
    auto addRing = [&](auto ring) {
        Point3D middle{0, 0, 0};
        for (int i = 1; i <= n; ++i) {
            const Point3D p = ring(i);
            middle = {middle.x + p.x / n, middle.y + p.y / n, middle.z + p.z / n};
        }
        for (int i = 1; i <= n; ++i) {
            const Point3D away = vectorSub(ring(i), middle);
            outwards += away.x * (A(i).x + B(i).x) + away.y * (A(i).y + B(i).y) + away.z * (A(i).z + B(i).z);
        }
    };
    addRing(R);
    addRing(T);
    if (outwards < 0) {
        A.turnRound();
        B.turnRound();
    }
}

// A wing half; `right` for the mirrored half, whose face normals are taken
// the other way round, whose texture u is negated and whose tip cap faces
// the other way.
void drawWingHalf(const WingSection& half, SceneSink& sink, bool right) {
    const int n = half.nb;
    if (n < 2) return;
    bindPartTexture(sink, half, TextureWrap::Clamp);
    auto R = [&](int i) { return half.point1Get(i); };
    auto T = [&](int i) { return half.point2Get(i); };

    // A: normals of the faces ahead of each point, B: of the faces behind it.
    SectionNormals A(n), B(n);
    for (int i = 2; i <= n - 1; ++i) {
        if (right) {
            A.set(i, faceNormal(R(i), T(i), R(i + 1)));
            B.set(i, faceNormal(T(i), R(i), T(i - 1)));
        } else {
            A.set(i, faceNormal(T(i), R(i), T(i + 1)));
            B.set(i, faceNormal(R(i), T(i), R(i - 1)));
        }
    }
    A.set(1, A(2));
    B.set(1, B(2));
    A.set(n, A(n - 1));
    B.set(n, B(n - 1));
    faceOutwards(A, B, n, R, T);

    // u is negated before the test for -1, so on the right half a u of 1
    // gives no texture coordinate.
    const double sign = right ? -1.0 : 1.0;
    const bool textured = half.texture_loaded;
    sink.begin(SceneSink::Primitive::TriangleStrip);
    for (int i = 1; i <= n; ++i) {
        vertexAvgNormal(sink, R(i), A(i), B(i), textured ? sign * half.texcoord1Get(i) : -1.0, textured ? 0.0 : -1.0);
        vertexAvgNormal(sink, T(i), A(i), B(i), textured ? sign * half.texcoord2Get(i) : -1.0, textured ? 1.0 : -1.0);
    }
    vertexNormal(sink, R(1), {1, 0, 0}, -1, -1);
    vertexNormal(sink, T(1), {1, 0, 0}, -1, -1);
    sink.end();

    const Point3D capNormal{0, right ? -1.0 : 1.0, 0};
    sink.begin(SceneSink::Primitive::TriangleStrip);
    for (int i = 1; i <= halfCount(n); ++i) {
        vertexNormal(sink, T(n - i + 1), capNormal, -1, -1);
        vertexNormal(sink, T(i), capNormal, -1, -1);
    }
    sink.end();
    sink.textureOff();
}

// The fin's strip and tip cap through the section points R and T, with the
// normals A of the root and B of the tip points.
template <typename Root, typename Tip>
void drawFinSurface(const VertWingSection& fin, SceneSink& sink, Root R, Tip T, const SectionNormals& A,
                    const SectionNormals& B) {
    const int n = fin.nb;
    const bool textured = fin.texture_loaded;
    auto u1 = [&](int i) { return textured ? fin.texcoord1Get(i) : -1.0; };
    auto u2 = [&](int i) { return textured ? fin.texcoord2Get(i) : -1.0; };
    const double vRoot = textured ? 1.0 : -1.0;
    const double vTip = textured ? 0.0 : -1.0;

    // The strip closes on point 1 with the texture coordinate of point n.
    sink.begin(SceneSink::Primitive::TriangleStrip);
    vertexAvgNormal(sink, R(1), A(1), A(n), u1(1), vRoot);
    vertexAvgNormal(sink, T(1), B(1), B(n), u2(1), vTip);
    for (int i = 2; i <= n - 1; ++i) {
        vertexNormal(sink, R(i), A(i), u1(i), vRoot);
        vertexNormal(sink, T(i), B(i), u2(i), vTip);
    }
    vertexAvgNormal(sink, R(1), A(1), A(n), u1(n), vRoot);
    vertexAvgNormal(sink, T(1), B(1), B(n), u2(n), vTip);
    sink.end();

    sink.begin(SceneSink::Primitive::TriangleStrip);
    for (int i = 1; i <= halfCount(n, -1); ++i) {
        vertexNormal(sink, T(n - i + 1), {0, 0, 1}, -1, -1);
        vertexNormal(sink, T(i + 1), {0, 0, 1}, -1, -1);
    }
    sink.end();
}

}  // namespace

void drawWingPanelLeft(const WingSection& half, SceneSink& sink) { drawWingHalf(half, sink, false); }

void drawWingPanelRight(const WingSection& half, SceneSink& sink) { drawWingHalf(half, sink, true); }

void drawFin(const VertWingSection& fin, SceneSink& sink) {
    const int n = fin.nb;
    if (n < 2) return;
    bindPartTexture(sink, fin, TextureWrap::Clamp);
    auto R = [&](int i) { return fin.point1Get(i, false); };
    auto T = [&](int i) { return fin.point2Get(i, false); };

    // Row by row; a later row replaces a point an earlier row has set.
    SectionNormals A(n), B(n);
    A.set(1, faceNormal(R(1), T(1), R(2)));
    B.set(1, faceNormal(T(1), T(2), R(1)));
    for (int i = 2; i <= halfCount(n, -1); ++i) {
        A.set(i, faceNormal(R(i), T(i), R(i + 1)));
        B.set(i, faceNormal(T(i), R(i), T(i - 1)));
    }
    const int middle = halfCount(n);
    A.set(middle, faceNormal(R(middle), R(middle - 1), T(middle)));
    B.set(middle, faceNormal(T(middle), R(middle), T(middle - 1)));
    const int afterMiddle = halfCount(n, 1);
    A.set(afterMiddle, faceNormal(R(afterMiddle), T(afterMiddle), R(afterMiddle + 1)));
    B.set(afterMiddle, faceNormal(T(afterMiddle), T(afterMiddle + 1), R(afterMiddle)));
    for (int i = halfCount(n, 2); i <= n - 1; ++i) {
        A.set(i, faceNormal(R(i), R(i - 1), T(i)));
        B.set(i, faceNormal(T(i), T(i + 1), R(i)));
    }
    A.set(n, faceNormal(R(n), R(n - 1), T(n)));
    B.set(n, faceNormal(T(n), R(n), T(n - 1)));

    drawFinSurface(fin, sink, R, T, A, B);
    if (fin.isTwin()) {
        // The twin takes the same normals and texture coordinates.
        drawFinSurface(
            fin, sink, [&](int i) { return fin.point1Get(i, true); }, [&](int i) { return fin.point2Get(i, true); },
            A, B);
    }
    sink.textureOff();
}

}  // namespace ferlo
