#pragma once

#include <cstdint>
#include <string>

namespace ferlo {

// The DXF layer of a fuselage in the Side, Front and VTop drawings:
// "Fuselage_" and its number in the fuselage list, so that each fuselage of
// the drawing can be picked out.
inline std::string fuselageLayer(std::int16_t fuselageId) { return "Fuselage_" + std::to_string(fuselageId); }

}  // namespace ferlo
