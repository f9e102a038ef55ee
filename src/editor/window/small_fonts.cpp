#include "editor/window/small_fonts.h"

#include <QLabel>

#include "editor/window/layout_geometry.h"

namespace ferlo {

namespace {

bool isPicture(const QWidget& w) {
    const auto* label = qobject_cast<const QLabel*>(&w);
    return label != nullptr && !label->pixmap().isNull();
}

void applyScaling(QWidget& w, const Scaling& factors) { place(w, scaled(layoutRectOf(w), factors)); }

}  // namespace

void enlargeForSmallFonts(QWidget& window) {
    const Scaling factors{kSplashSmallFontsFactor, kSplashSmallFontsFactor, kSplashSmallFontsFactor,
                          kSplashSmallFontsFactor};
    const LayoutRect size = scaled({0, 0, window.width(), window.height()}, factors);
    window.resize(size.width, size.height);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!isPicture(*child)) applyScaling(*child, factors);
    }
}

}  // namespace ferlo
