#include "surfaces/planform_texcoords.h"

#include <cmath>

#include "base/one_based.h"

namespace ferlo {

std::vector<double> planformTexcoords(const std::vector<Point3D>& ring, int nb, double pos1, double span,
                                      std::int32_t xtex, std::int32_t ytex) {
    std::vector<double> u(oneBasedSlots(nb), 0.0);
    if (xtex == 0 || span == 0.0) return u;
    const double aspect = static_cast<double>(ytex) / static_cast<double>(xtex);
    const int firstSurface = (nb + 1) / 2;  // the middle point too when nb is odd
    for (int i = 1; i <= firstSurface; ++i) {
        const double value = ((entryOrZero(ring, i).x - pos1) / span) * aspect;
        if (std::isfinite(value)) u[static_cast<std::size_t>(i)] = value;
    }
    for (int i = firstSurface + 1; i <= nb; ++i) {
        u[static_cast<std::size_t>(i)] = u[static_cast<std::size_t>(nb + 1 - i)];
    }
    return u;
}

}  // namespace ferlo
