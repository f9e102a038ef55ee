#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ferlo {

// The DXF layers of the parts: every wing panel and the stabiliser, the fin,
// and the fuselages.
inline constexpr std::string_view kWingLayer = "Wing";
inline constexpr std::string_view kFinLayer = "Fin";
// The one fuselage of the HTop export.
inline constexpr std::string_view kFuselageLayer = "Fuselage";

// The layer of fuselage `fuselageId` (its place in the fuselage list) in the
// Side, Front and VTop exports: "Fuselage_1" for the first.
inline std::string fuselageLayer(std::int16_t fuselageId) {
    return std::string(kFuselageLayer) + "_" + std::to_string(fuselageId);
}

}  // namespace ferlo
