#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "base/part_texture.h"
#include "base/texture_context.h"

namespace ferlo {

class SymWingSections;

// The first line of the message a panel half gives when its texture image
// fails (the file and the reason follow).
inline constexpr const char* kWingSectionTextureError = "Error in wingSection texture mapping";

// The 3D geometry of one half of a lifting-surface panel: the root and tip
// sections as rings of points in model coordinates, a texture coordinate u
// per point, and the half's texture state. `Left` lies on the positive-y
// side; `Right` is built as its mirror image.
class WingSection {
public:
    std::int16_t nb = 0;
    double span = 0.0;   // negated in the mirrored half
    double shift = 0.0;  // negated in the mirrored half
    double length1 = 0.0;
    double length2 = 0.0;
    double thickness1 = 0.0;
    double thickness2 = 0.0;
    double pos1 = 0.0;
    double pos2 = 0.0;
    double elevation1 = 0.0;
    double elevation2 = 0.0;
    std::string airfoil_filename;
    bool texture_loaded = false;
    std::int32_t xtex = 0;  // power-of-two texture size; 0 until an image is loaded
    std::int32_t ytex = 0;

    // Copies the panel's values and airfoil; the texture fields stay.
    void init(const SymWingSections& wg);
    // Becomes the mirror image of `lwg` in the plane y = 0, then `create`.
    void createSymmetrical(const WingSection& lwg);
    // Builds the root and tip rings, and their texture coordinates while the
    // image is loaded.
    void create();
    // Lays the image over the planform: u of every ring point. Does nothing
    // before an image is loaded (`xtex` 0) or for a panel of span 0.
    void create_texcoords();
    // The steps of textureMap that need no OpenGL: loads the image (turned a
    // quarter turn) the first time after it was assigned and lays it over the
    // planform. A failing image throws ImageError; the half is left as it was.
    void loadTexture(ImageConverter& converter, ConversionProgress& progress);
    // Makes the half's image the current OpenGL texture: loads it (turned a
    // quarter turn) the first time after it was assigned, then uploads it at
    // every call. A failing image is reported to the context's notifier once,
    // until it loads or a new image is assigned; the half is left as it was.
    void textureMap(TextureContext& context);
    // The texture image, as the panel assigns it to both halves: its full
    // path (empty for none), loaded at the next texture mapping, a failure of
    // it reported again.
    const std::string& texture_filename() const { return texturePath; }
    void setTexture(const std::string& path) {
        texturePath = path;
        texture_loaded = false;
        reportedTextureFailure.clear();
    }

    // Points and coordinates 1 to `nb`; outside that range they read as zero.
    Point3D point1Get(int i) const;
    Point3D point2Get(int i) const;
    double texcoord1Get(int i) const;
    double texcoord2Get(int i) const;
    Point3D airfoilPointGet(int i) const;

    // The converted texture pixels, 3 bytes a pixel, rows of `xtex` pixels.
    const std::vector<std::uint8_t>& textureBytes() const { return texture_bytes; }
    void setTextureBytes(std::vector<std::uint8_t> bytes) { texture_bytes = std::move(bytes); }

private:
    // From a panel (`init`) or from the other half (`createSymmetrical`).
    template <typename Source>
    void copyValues(const Source& source);
    void computeSectionPoints(std::vector<Point3D>& points, const Point3D& origin, double chord,
                              double thickness) const;
    // The half's texture fields and what its texture procedure does.
    TextureFields textureFields();
    TextureSteps textureSteps();

    std::vector<Point3D> rootPoints;
    std::vector<Point3D> tipPoints;
    std::vector<Point3D> airfoil;
    Point3D rootOrigin;
    Point3D tipOrigin;
    std::string texturePath;
    std::vector<std::uint8_t> texture_bytes;
    std::vector<double> texcoord1;
    std::vector<double> texcoord2;
    std::string reportedTextureFailure;  // the image whose failure was reported last
};

}  // namespace ferlo
