#pragma once

#include <string_view>

namespace ferlo {

// The DXF layers of the lifting surfaces: every wing panel and the
// stabiliser, and the fin.
inline constexpr std::string_view kWingLayer = "Wing";
inline constexpr std::string_view kFinLayer = "Fin";

}  // namespace ferlo
