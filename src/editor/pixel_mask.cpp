#include "editor/pixel_mask.h"

namespace ferlo {

void PixelMask::resize(QSize size) {
    // Painted as fast as the drawing itself (a one-byte format is not).
    mask_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    mask_.fill(0);
}

}  // namespace ferlo
