#include "document/airfoil_import.h"

#include <utility>

namespace ferlo {

void loadAirfoil(Plane& plane, const std::string& path) {
    SymWingSections& target = plane.mainWing.current();
    // Read and rebuild on a copy, so nothing that fails half-way reaches the panel.
    SymWingSections panel = target;
    panel.loadAirfoilFile(path);
    panel.create();
    target = std::move(panel);
}

}  // namespace ferlo
