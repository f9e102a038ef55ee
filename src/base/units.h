#pragma once

namespace ferlo {

// Every stored length is kept in the current unit; a unit switch converts
// each length through these two functions.
inline constexpr double kMillimetersPerInch = 25.4;

constexpr double toInches(double millimeters) { return millimeters / kMillimetersPerInch; }
constexpr double toMillimeters(double inches) { return inches * kMillimetersPerInch; }

// Prefs.units: the unit every stored length is in.
enum class LengthUnit { Millimeters = 0, Inches = 1 };

}  // namespace ferlo
