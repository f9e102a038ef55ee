#pragma once

#include <cstdint>
#include <vector>

#include <QImage>
#include <QLineF>

#include "base/palette.h"
#include "editor/drawing/tile_grid.h"

namespace ferlo {

// Paints one-pixel lines in opaque palette colours, without antialiasing,
// straight into a 32-bit image.
//
// The pixel (x, y) holds the points within half a pixel of (x, y). A line
// lights one pixel at each whole step along its longer axis, from the step
// of its first end to that of its last, both included: the pixel nearest to
// the line at that step (held within the line's ends, halves rounded up).
// A line drawn the other way round lights the same pixels, and every pixel
// lies within the pixels `TileGrid::forEachTileNear` bounds.
class PixelLines {
public:
    // Paints everywhere on `image`, which is as large as `grid`.
    PixelLines(QImage& image, const TileGrid& grid);
    // Paints only in the tiles of `grid` that `inTiles` (a flag per tile) marks.
    PixelLines(QImage& image, const TileGrid& grid, const std::vector<std::uint8_t>& inTiles);

    void draw(const QLineF& line, PaletteColor color);

private:
    QRgb* pixels_;
    qsizetype stride_;  // pixels per row
    int width_;
    int height_;
    const TileGrid& grid_;
    const std::uint8_t* inTiles_ = nullptr;  // null: every tile
    PaletteColor color_;  // the colour of the last line, as `pixel_`
    QRgb pixel_;
};

}  // namespace ferlo
