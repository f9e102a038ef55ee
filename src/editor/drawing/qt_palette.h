#pragma once

#include <QColor>

#include "base/palette.h"

namespace ferlo {

inline QColor qtColor(PaletteColor color) {
    const Rgb8 rgb = paletteRgb(color);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace ferlo
