#pragma once

#include "base/conversion_progress.h"
#include "base/image_converter.h"
#include "base/scene_sink.h"
#include "base/texture_error_notifier.h"
#include "document/plane.h"

namespace ferlo {

// The 3D scene of the aircraft: every part's 3D geometry, as its last
// `create` built it, drawn into a SceneSink. Drawing reads the parts only;
// it changes nothing in the model.

// Every part carries this alpha; it shows where blending is on (transparent
// fuselages).
inline constexpr float kPartAlpha = 0.7f;

// The whole aircraft in its fixed order: blending off, the equipment boxes,
// the wing panels 1 to n (left half, then right half of each), the
// stabiliser, the fin (and its twin), then the shown fuselages by list
// number (each with its copy), each with blending on when it is transparent
// and off otherwise; the blending of the last fuselage stays.
void drawScene(const Plane& plane, SceneSink& sink);

// Decodes the texture image of every part the scene draws (the wing halves,
// the stabiliser's, the fin and the shown fuselages), once per assigned
// image, with its texture coordinates, so that drawing the scene only hands
// the decoded pixels over. A wing half reports a failing image to
// `notifier`; a failing fin or fuselage image is skipped, and the part is
// drawn without its texture.
void decodeSceneTextures(Plane& plane, ImageConverter& converter, ConversionProgress& progress,
                         TextureErrorNotifier& notifier);

// ---- The part drawers and their vertex operations ----

// The part's material: its colour with alpha kPartAlpha.
void setMaterialColour(SceneSink& sink, const ColorRGB& colour);
// A vertex with the given normal, or with the normalised mean of two; the
// texture coordinate is given only when neither u nor v is -1.
void vertexNormal(SceneSink& sink, const Point3D& p, const Point3D& n, double u, double v);
void vertexAvgNormal(SceneSink& sink, const Point3D& p, const Point3D& a, const Point3D& b, double u, double v);

// One half of a wing panel or of the stabiliser: a strip around its root
// and tip sections, closed on point 1, and a cap over the tip. The right
// half takes mirrored face normals and negated texture coordinates u. A
// half of fewer than 2 points draws nothing.
void drawWingPanelLeft(const WingSection& half, SceneSink& sink);
void drawWingPanelRight(const WingSection& half, SceneSink& sink);
// The fin (a strip closed on point 1 and a tip cap) and, for a twin fin,
// its mirror with the same normals. A fin of fewer than 2 points draws nothing.
void drawFin(const VertWingSection& fin, SceneSink& sink);
// One strip per pair of neighbouring sections around the mesh, and for a
// pair (`shift` not 0) the same for the copy. A mesh of fewer than 2
// sections or 2 outline points draws nothing.
void drawFuselage(const MeshSections& fuselage, SceneSink& sink);
// Every equipment box: a quad strip around its length and a quad at each end.
void drawEquipment(const Equipment& equipment, SceneSink& sink);

// A part's decoded texture, made current for what the part draws next
// (nothing for a part without a loaded image).
template <typename Part>
void bindPartTexture(SceneSink& sink, const Part& part, TextureWrap wrap) {
    if (part.texture_filename().empty() || !part.texture_loaded) return;
    sink.texture(part.xtex, part.ytex, part.textureBytes(), wrap);
}

// n / 2 + k rounded to the nearest whole number, halves to the even one:
// the pair counts of the tip caps.
int halfCount(int n, int k = 0);

}  // namespace ferlo
