#include "surfaces/airfoil.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <string_view>

#include "base/file_errors.h"
#include "base/input_file.h"
#include "base/line_source.h"
#include "base/number_text.h"
#include "base/value_reader.h"

namespace ferlo {

namespace {

// Marks an opposite point that was not found.
constexpr double kNotFound = 1000000.0;

struct Neighbour {
    double z = 0.0;
    double distance = kNotFound;
};

// Among points first..last, the one whose x is nearest to x (the first of
// equal candidates wins), optionally skipping points whose z equals `skipZ`.
Neighbour nearestByX(const AirfoilPoints& airfoil, std::size_t first, std::size_t last, double x,
                     const double* skipZ) {
    Neighbour best;
    for (std::size_t j = first; j <= last; ++j) {
        if (skipZ != nullptr && airfoil[j].z == *skipZ) continue;
        const double distance = std::fabs(airfoil[j].x - x);
        if (distance < best.distance) best = {airfoil[j].z, distance};
    }
    return best;
}

double roundToHundredths(double value) { return std::nearbyint(value * 100.0) / 100.0; }

}  // namespace

const AirfoilPoints& builtInAirfoil() {
    static const AirfoilPoints table{
        {0, 0, 0},
        {1, 0, 0},        {0.6, 0, -0.06},  {0.3, 0, -0.065}, {0.225, 0, -0.0625},
        {0.15, 0, -0.06}, {0.1, 0, -0.05},  {0.05, 0, -0.04}, {0, 0, -0.005},
        {0, 0, 0.005},    {0.05, 0, 0.04},  {0.1, 0, 0.05},   {0.15, 0, 0.06},
        {0.2, 0, 0.0625}, {0.3, 0, 0.065},  {0.6, 0, 0.06},   {1, 0, 0},
    };
    return table;
}

AirfoilThickness measureAirfoilThickness(const AirfoilPoints& airfoil) {
    const std::size_t nb = airfoil.empty() ? 0 : airfoil.size() - 1;
    double maxX = -1000.0;
    double minX = 1000.0;
    double maxT = 0.0;
    for (std::size_t i = 1; i <= nb; ++i) {
        const Point3D& p = airfoil[i];
        // Only later points are searched, so a point of the first surface
        // finds its opposite point on the second one.
        if (i + 2 < nb) {
            const Neighbour first = nearestByX(airfoil, i + 2, nb, p.x, nullptr);
            const Neighbour second = nearestByX(airfoil, i + 2, nb, p.x, &first.z);
            const double sum = first.distance + second.distance;
            if (second.distance < kNotFound && sum > 0.0) {
                const double opposite = (first.z * second.distance + second.z * first.distance) / sum;
                maxT = std::max(maxT, std::fabs(p.z - opposite));
            }
        }
        maxX = std::max(maxX, p.x);
        minX = std::min(minX, p.x);
    }
    const double extent = maxX - minX;
    if (!(extent > 0.0)) return {};
    const double thickness = roundToHundredths(maxT / extent);
    if (!std::isfinite(thickness)) return {};
    return {true, thickness};
}

void divideHeights(AirfoilPoints& airfoil, double thickness) {
    if (thickness == 0.0) return;
    for (std::size_t i = 1; i < airfoil.size(); ++i) airfoil[i].z /= thickness;
}

namespace {

// The points of an ".xy" file as they stand, with the line of each.
struct XyPoints {
    AirfoilPoints points{Point3D{}};
    std::vector<int> lines{0};
    int lastLine = 0;
};

XyPoints parseXyPoints(const std::string& path) {
    InputFile file(path);
    LineSource lines(file.stream(), path);

    XyPoints read;
    std::string_view line;
    int& lineNumber = read.lastLine;
    if (lines.next(line)) lineNumber = lines.lineNumber();  // the title

    bool haveX = false;
    double x = 0.0;
    while (lines.next(line)) {
        lineNumber = lines.lineNumber();
        std::string_view rest = line;
        while (!rest.empty()) {
            const std::size_t start = rest.find_first_not_of(" \t\r,");
            if (start == std::string_view::npos) break;
            rest.remove_prefix(start);
            const std::size_t end = std::min(rest.find_first_of(" \t\r,"), rest.size());
            const std::string_view token = rest.substr(0, end);
            rest.remove_prefix(end);
            const auto value = parseNumber(token);
            if (!value) {
                throw ReadError(path, lineNumber, "\"" + excerpt(token) + "\" is not a number");
            }
            if (std::fabs(*value) > kMaxFileMagnitude) {
                throw ReadError(path, lineNumber, "the value " + excerpt(token) + " is too large");
            }
            if (!haveX) {
                x = *value;
            } else {
                if (read.points.size() > static_cast<std::size_t>(kMaxAirfoilPoints)) {
                    throw ReadError(path, lineNumber, "the airfoil has more than " +
                                                          std::to_string(kMaxAirfoilPoints) + " points");
                }
                read.points.push_back({x, 0.0, *value});
                read.lines.push_back(lineNumber);
            }
            haveX = !haveX;
        }
    }
    if (haveX) throw ReadError(path, lineNumber, "the last point has no height");
    if (read.points.size() - 1 < static_cast<std::size_t>(kMinAirfoilPoints)) {
        throw ReadError(path, lineNumber, "an airfoil needs at least 3 points");
    }
    return read;
}

}  // namespace

XyAirfoil readXyAirfoil(const std::string& path) {
    XyPoints read = parseXyPoints(path);
    const auto [least, most] = std::minmax_element(read.points.begin() + 1, read.points.end(),
                                                   [](const Point3D& a, const Point3D& b) { return a.x < b.x; });
    const double extent = most->x - least->x;
    if (!(extent >= kMinAirfoilChordExtent)) {
        throw ReadError(path, read.lastLine, "the points span only " + formatNumber(extent) + " along the chord");
    }
    const AirfoilThickness thickness = measureAirfoilThickness(read.points);
    if (!thickness.measurable || std::fabs(thickness.value) > kMaxFileMagnitude) {
        throw ReadError(path, read.lastLine, "the airfoil's relative thickness is too large");
    }
    divideHeights(read.points, thickness.value);
    for (std::size_t i = 1; i < read.points.size(); ++i) {
        if (!(std::fabs(read.points[i].z) <= kMaxFileMagnitude)) {
            throw ReadError(path, read.lines[i], "the height is too large for the airfoil's thickness");
        }
    }
    return {std::move(read.points), thickness.value};
}

}  // namespace ferlo
