#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "base/value_reader.h"
#include "base/value_writer.h"
#include "surfaces/airfoil.h"
#include "surfaces/wing_section.h"

namespace ferlo {

// One straight, tapered lifting-surface panel, mirrored about the plane of
// symmetry: a main-wing panel or the stabiliser. Number 1 is the root
// section, 2 the tip. Lengths are in the current unit; the relative
// thicknesses are ratios.
class SymWingSections {
public:
    // The value the drag under way started from (which one depends on the grabbed edge).
    double initval = 0.0;
    double initval2 = 0.0;
    double initval3 = 0.0;
    WingSection Left;   // positive-y half
    WingSection Right;  // mirrored half
    std::int16_t nb = 0;  // airfoil points
    double span = 0.0;
    double length1 = 0.0;
    double length2 = 0.0;
    double thickness1 = 0.0;
    double thickness2 = 0.0;
    double pos1 = 0.0;
    double pos2 = 0.0;
    double elevation1 = 0.0;
    double elevation2 = 0.0;
    double shift = 0.0;
    std::int32_t paint = 0;  // hit code of the grabbed edge; 5 when nothing is grabbed
    bool selected = false;
    std::int32_t selected_part = 0;
    std::string airfoil_filename;
    std::string qualified_texture_filename;

    static constexpr std::int32_t kIdlePaint = 5;

    // Set-up of a new panel: new halves, the built-in airfoil, the default
    // colour, no texture; the geometry stays as it was.
    void init(const ColorRGB& defaultColor = kDefaultPartColor);
    // Sizes the airfoil (cleared) and the Side outline to `nb` points and
    // refreshes the halves' copies.
    void allocate();
    // The 3D geometry of both halves.
    void create();
    // The built-in airfoil, normalised.
    void init_airfoil();
    // Replaces the airfoil by the points of an ".xy" file and normalises it.
    // A file that cannot be read throws ReadError and leaves the panel as it was.
    void loadAirfoilFile(const std::string& filename);

    void switchToInches();
    void switchToMillimeters();
    // Multiplies the eight lengths by k; a result that is not finite throws
    // std::overflow_error and leaves the panel as it was.
    void rescale(double k);

    const std::string& texture_filename() const { return texturePath; }
    void set_texture_filename(const std::string& value);
    // False after a new image is assigned: both halves load it again at their
    // next texture mapping and report a failure of it again.
    void set_texture_loaded(bool value);

    Point3D airfoilPointGet(int i) const;  // zero outside 1..nb
    ColorRGB colorGet() const { return color; }
    void colorSet(const ColorRGB& value) { color = value; }

    // Project-file records (sym_wing_sections_records.cpp). A reader that
    // meets a value it cannot read throws ReadError and leaves the panel as it
    // was; `nb` changes only together with the airfoil points, through an
    // "Airfoil" record.
    // The "Wing Type" record: `nb`, the geometry and the colour.
    void save(ValueWriter& out) const;
    void read(ValueReader& in);
    // The record of files 0.3.1 to 1.1.x: no colour.
    void readV101(ValueReader& in);
    // The record of files 0.2 to 0.3.0: an unused number before `nb`, no colour.
    void readV0212(ValueReader& in);
    // The "Airfoil" record: `nb`, then x and z of every point.
    void save_airfoil(ValueWriter& out) const;
    void read_airfoil(ValueReader& in);

private:
    // Takes `points` (entry 0 unused) as the airfoil, with `nb` to match.
    void adoptAirfoil(AirfoilPoints points);
    // The heights in units of the airfoil's relative thickness.
    void normalize_airfoil();
    template <typename Convert>
    void convertLengths(Convert convert);

    ColorRGB color;
    AirfoilPoints airfoil;
    std::vector<Point2D> vtopPoints;
    std::vector<Point2D> frontPoints;
    std::vector<Point2D> sidePoints;
    std::vector<Point2D> htopPoints;
    std::vector<Point2D> htopMirrorPoints;
    std::string texturePath;
};

}  // namespace ferlo
