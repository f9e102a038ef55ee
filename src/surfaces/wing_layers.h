#pragma once

#include <string_view>

namespace ferlo {

// The DXF layer of every wing panel and of the stabiliser.
inline constexpr std::string_view kWingLayer = "Wing";

}  // namespace ferlo
