#pragma once

class QWidget;

namespace ferlo {

// Small-fonts mode on the splash and preferences windows: the window and
// every control but its pictures grow by kSplashSmallFontsFactor.
void enlargeForSmallFonts(QWidget& window);

}  // namespace ferlo
