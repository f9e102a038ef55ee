#include "document/vrml_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "base/number_text.h"
#include "document/project_file.h"

namespace ferlo {

namespace {

struct Face {
    int a, b, c;
};

// A face's point number: a blank (or "-"), the digits, a blank.
void appendVrmlIndex(std::string& line, int value) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, std::abs(value));
    line += value < 0 ? '-' : ' ';
    line.append(digits, written.ptr);
    line += ' ';
}

// A line of three values, each put by `append`, with `separator` between
// them and `end` after them: a world holds millions of point and face lines,
// so each is built in the writer's own line buffer.
template <typename Value, typename Append>
void writeLineOfThree(LineWriter& out, const std::array<Value, 3>& values, Append append,
                      std::string_view separator, std::string_view end) {
    std::string& line = out.startLine();
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0) line += separator;
        append(line, values[k]);
    }
    line += end;
    out.endLine();
}

void writePoint(LineWriter& out, const Point3D& p, bool last) {
    writeLineOfThree<double>(out, {p.x, p.y, p.z}, appendVrmlReal, " ", last ? "" : ",");
}

void writeFace(LineWriter& out, const Face& face, bool lastOfList) {
    writeLineOfThree<int>(out, {face.a, face.b, face.c}, appendVrmlIndex, ", ", lastOfList ? ", -1" : ", -1,");
}

// A face and whether its line ends the list form (", -1" without comma).
struct FaceLine {
    Face face;
    bool closing = false;
};

void writeFaces(LineWriter& out, const std::vector<FaceLine>& faces) {
    for (const FaceLine& line : faces) writeFace(out, line.face, line.closing);
}

void openMesh(LineWriter& out, int creaseAngle) {
    out.writeLine("        geometry IndexedFaceSet");
    out.writeLine("        {");
    out.writeLine("          creaseAngle " + std::to_string(creaseAngle));
    out.writeLine("          coord Coordinate");
    out.writeLine("          {");
    out.writeLine("            point");
    out.writeLine("            [");
}

void writeCoordIndex(LineWriter& out, const std::vector<FaceLine>& faces) {
    out.writeLine("            ]");
    out.writeLine("          }");
    out.writeLine("          coordIndex");
    out.writeLine("          [");
    writeFaces(out, faces);
    out.writeLine("          ]");
}

// The texture coordinates, their lines written by `writePoints`, and the faces again.
template <typename WritePoints>
void writeTextureBlock(LineWriter& out, WritePoints writePoints, const std::vector<FaceLine>& faces) {
    out.writeLine("          texCoord TextureCoordinate ");
    out.writeLine("          {");
    out.writeLine("            point");
    out.writeLine("            [");
    writePoints();
    out.writeLine("            ]");
    out.writeLine("        }");
    out.writeLine("          texCoordIndex");
    out.writeLine("          [");
    writeFaces(out, faces);
    out.writeLine("          ]");
}

void closeMesh(LineWriter& out) {
    out.writeLine("          solid FALSE");
    out.writeLine("        }");
}

// The faces between a root ring (points 0..n-1) and a tip ring (n..2n-1),
// the ring closed from point n-1 back to 0. Nothing for fewer than 2 points.
std::vector<FaceLine> ringFaces(int n) {
    std::vector<FaceLine> faces;
    if (n < 2) return faces;
    for (int i = 1; i <= n - 1; ++i) faces.push_back({{i - 1, n + i, n + i - 1}});
    faces.push_back({{n - 1, n, 2 * n - 1}});
    for (int i = 1; i <= n - 1; ++i) faces.push_back({{i - 1, i, n + i}});
    faces.push_back({{n - 1, 0, n}, true});
    return faces;
}

// A wing half or fin: n root points, n tip points, the ring faces, and the
// texture block when the part has a texture.
template <typename RootPoint, typename TipPoint>
void writeTwoRingMesh(LineWriter& out, int n, RootPoint root, TipPoint tip,
                      const std::vector<std::string>* texturePoints) {
    openMesh(out, 60);
    for (int i = 1; i <= n; ++i) writePoint(out, root(i), false);
    for (int i = 1; i <= n; ++i) writePoint(out, tip(i), i == n);
    const std::vector<FaceLine> faces = ringFaces(n);
    writeCoordIndex(out, faces);
    if (texturePoints) {
        writeTextureBlock(
            out, [&] { for (const std::string& line : *texturePoints) out.writeLine(line); }, faces);
    }
    closeMesh(out);
}

// Text inside a VRML string: quote and backslash escaped, so that any file name
// keeps the world readable.
std::string quotedText(const std::string& text) {
    std::string quoted;
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted;
}

// Number of outline point j of section i, both from 1.
int meshVertex(int i, int j, int nc) { return (i - 1) * nc + (j - 1); }

std::vector<FaceLine> fuselageFaces(int ns, int nc, bool transparent) {
    std::vector<FaceLine> faces;
    if (nc < 2) return faces;
    faces.reserve(2 * static_cast<std::size_t>(std::max(ns - 1, 0)) * static_cast<std::size_t>(nc));
    auto v = [nc](int i, int j) { return meshVertex(i, j, nc); };
    if (transparent) {
        const int first = static_cast<int>(std::floor(nc / 4.0 + 1));
        const int last = static_cast<int>(std::floor(nc - nc / 4.0));
        for (int i = 1; i <= ns - 1; ++i)
            for (int j = first; j <= last; ++j) faces.push_back({{v(i, j), v(i + 1, j + 1), v(i + 1, j)}});
        for (int i = 1; i <= ns - 1; ++i)
            for (int j = first; j <= last; ++j) faces.push_back({{v(i, j), v(i, j + 1), v(i + 1, j + 1)}});
        return faces;
    }
    for (int i = 1; i <= ns - 1; ++i) {
        for (int j = 1; j <= nc - 1; ++j) faces.push_back({{v(i, j), v(i + 1, j + 1), v(i + 1, j)}});
        faces.push_back({{v(i, nc), v(i + 1, 1), v(i + 1, nc)}});
    }
    for (int i = 1; i <= ns - 1; ++i) {
        for (int j = 1; j <= nc - 1; ++j) faces.push_back({{v(i, j), v(i, j + 1), v(i + 1, j + 1)}});
        faces.push_back({{v(i, nc), v(i, 1), v(i + 1, 1)}, true});
    }
    return faces;
}

}  // namespace

void appendVrmlReal(std::string& text, double value) {
    if (!std::isfinite(value)) throw std::invalid_argument("a number that is not finite cannot be written");
    if (value == 0.0) {
        text += " 0";
        return;
    }
    char buffer[32];
    const double magnitude = std::abs(value);
    std::string_view digits(buffer, static_cast<std::size_t>(writeFifteenDigits(buffer, magnitude) - buffer));
    if (digits.starts_with("0.")) digits.remove_prefix(1);
    text += value < 0 ? '-' : ' ';
    const std::size_t start = text.size();
    text += digits;
    // Only magnitudes far from 1 take the exponent form: most values need no search.
    if (magnitude < 1e-4 || magnitude >= 1e14) {
        if (const auto e = text.find('e', start); e != std::string::npos) text[e] = 'E';
    }
}

std::string vrmlReal(double value) {
    std::string text;
    appendVrmlReal(text, value);
    return text;
}

void writeVrmlHeader(LineWriter& out) {
    out.writeLine("#VRML V2.0 utf8");
    out.writeLine(std::string("#File produced with Ferlo V ") + kProjectVersion);
    out.writeLine("Transform");
    out.writeLine("{");
    out.writeLine("  children");
    out.writeLine("  [");
    out.writeLine("    NavigationInfo { headlight TRUE  type    \"EXAMINE\"}");
}

void writeVrmlGroup(LineWriter& out, const std::string& name) {
    out.writeLine("    # " + name);
    out.writeLine("    Transform");
    out.writeLine("    {");
}

void writeVrmlTranslation(LineWriter& out, const Point3D& t) {
    out.writeLine("      translation " + vrmlReal(t.x) + " " + vrmlReal(t.y) + " " + vrmlReal(t.z));
    out.writeLine("      children");
    out.writeLine("      [");
    out.writeLine("        Shape");
    out.writeLine("        {");
}

void writeVrmlWingMesh(LineWriter& out, const WingSection& half, const std::string& side) {
    const int n = half.nb;
    std::vector<std::string> texturePoints;
    if (!half.texture_filename().empty()) {
        const double sign = side == "right" ? -1.0 : 1.0;
        for (int i = 1; i <= n; ++i) texturePoints.push_back(vrmlReal(sign * half.texcoord1Get(i)) + " 1 ");
        for (int i = 1; i <= n; ++i) texturePoints.push_back(vrmlReal(sign * half.texcoord2Get(i)) + " 0 ");
    }
    writeTwoRingMesh(
        out, n, [&](int i) { return half.point1Get(i); }, [&](int i) { return half.point2Get(i); },
        half.texture_filename().empty() ? nullptr : &texturePoints);
}

void writeVrmlFinMesh(LineWriter& out, const VertWingSection& fin, bool mirror) {
    const int n = fin.nb;
    std::vector<std::string> texturePoints;
    if (!fin.texture_filename().empty()) {
        for (int i = 1; i <= n; ++i) texturePoints.push_back(vrmlReal(fin.texcoord1Get(i)) + " 0 ");
        for (int i = 1; i <= n; ++i) texturePoints.push_back(vrmlReal(fin.texcoord2Get(i)) + " 1 ");
    }
    writeTwoRingMesh(
        out, n, [&](int i) { return fin.point1Get(i, mirror); }, [&](int i) { return fin.point2Get(i, mirror); },
        fin.texture_filename().empty() ? nullptr : &texturePoints);
}

void writeVrmlFuselageMesh(LineWriter& out, const MeshSections& fuselage, bool mirror) {
    const int ns = fuselage.meshSectionCount();
    const int nc = fuselage.meshPointCount();
    openMesh(out, 70);
    for (int i = 1; i <= ns; ++i)
        for (int j = 1; j <= nc; ++j)
            writePoint(out, fuselage.pointGet(j, i, mirror), i == ns && j == nc);
    const std::vector<FaceLine> faces = fuselageFaces(ns, nc, fuselage.transparent);
    writeCoordIndex(out, faces);
    if (!fuselage.texture_filename().empty()) {
        const auto writePoints = [&] {
            for (int i = 1; i <= ns; ++i)
                for (int j = 1; j <= nc; ++j) {
                    const Point2D uv = fuselage.texcoordGet(j, i);
                    std::string& line = out.startLine();
                    appendVrmlReal(line, uv.x);
                    line += ' ';
                    appendVrmlReal(line, -uv.y);
                    out.endLine();
                }
        };
        writeTextureBlock(out, writePoints, faces);
    }
    closeMesh(out);
}

void writeVrmlBox(LineWriter& out, const Point3D& size) {
    out.writeLine("        geometry  Box ");
    out.writeLine("        {");
    out.writeLine("          size" + vrmlReal(size.x) + " " + vrmlReal(size.y) + " " + vrmlReal(size.z));
    out.writeLine("        }");
}

void writeVrmlAppearance(LineWriter& out, const ColorRGB& colour, const std::string& url, bool repeat) {
    out.writeLine("          appearance Appearance");
    out.writeLine("          {");
    out.writeLine("            material Material");
    out.writeLine("            {");
    out.writeLine("              diffuseColor " + vrmlReal(colour.red / 255) + " " + vrmlReal(colour.green / 255) + " " +
                  vrmlReal(colour.blue / 255));
    out.writeLine("              transparency 0");
    out.writeLine("            }");
    out.writeLine("            texture ImageTexture {");
    const std::string flag = repeat ? "TRUE" : "FALSE";
    out.writeLine("            repeatS " + flag);
    out.writeLine("            repeatT " + flag);
    out.writeLine("            url \"" + quotedText(url) + "\"");
    out.writeLine("                       }");
    out.writeLine("          }");
}

void closeVrmlShape(LineWriter& out) {
    out.writeLine("        }");
    out.writeLine("      ]");
    out.writeLine("    }");
}

void closeVrmlFile(LineWriter& out) {
    out.writeLine("  ]");
    out.writeLine("}");
}

std::optional<std::string> vrmlUrlOf(const std::string& line) {
    constexpr std::string_view kStart = "            url \"";
    std::string_view rest(line);
    if (!rest.starts_with(kStart)) return std::nullopt;
    rest.remove_prefix(kStart.size());
    std::string url;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '"') return url;
        if (rest[i] == '\\' && i + 1 < rest.size()) ++i;
        url += rest[i];
    }
    return std::nullopt;  // no closing quote
}

}  // namespace ferlo
