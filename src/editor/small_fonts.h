#pragma once

class QWidget;

namespace ferlo {

struct MainControls;

// Small-fonts mode on the main window (`resizeForSmallFonts`): every control
// of the window but the drawing area rescaled by its kind, the cross-section
// editor group placed afresh around its section box, and the electronics
// frame's line stretched to the frame.
void resizeForSmallFonts(QWidget& window, MainControls& controls);

// Small-fonts mode on the splash window: the window and every control but
// its pictures grow by kSplashSmallFontsFactor.
void enlargeForSmallFonts(QWidget& splash);

}  // namespace ferlo
