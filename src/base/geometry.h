#pragma once

namespace ferlo {

// A screen point of a 2D view, or a texture coordinate pair.
struct Point2D {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const Point2D&, const Point2D&) = default;
};

// A model point: x along the fuselage axis (aft positive), y spanwise, z up.
struct Point3D {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    friend bool operator==(const Point3D&, const Point3D&) = default;
};

// A part colour, each channel on a 0..255 scale.
struct ColorRGB {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    friend bool operator==(const ColorRGB&, const ColorRGB&) = default;
};

// The colour every new part takes.
inline constexpr ColorRGB kDefaultPartColor{200.0, 200.0, 200.0};

}  // namespace ferlo
