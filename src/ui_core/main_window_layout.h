#pragma once

// The main window's layout arithmetic, without Qt: the window is laid out once
// at start-up from the screen's work area, with a small-fonts mode on screens
// of 96 dots per inch that narrows the parameter column and lowers the tabs.

namespace ferlo {

struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const LayoutRect&) const = default;
};

// Small-fonts mode: the desktop's system font is 16 pixels high or less,
// which is the case up to 96 logical dots per inch (the font grows with the
// resolution, 17 pixels and more above it), and the preferences file
// exists. Decided once at start-up.
inline constexpr double kSmallFontsMaxDpi = 96.0;
bool smallFontsMode(double logicalDpi, bool preferencesFileExists);

// The splash window and its controls (all but its pictures) grow by this
// factor in small-fonts mode.
inline constexpr double kSplashSmallFontsFactor = 1.23;

// The width T of the left-hand column: the parameter tabs are 2 T wide from
// the window's left edge, the 3D view and the drawing area start at x = T
// and lie over the tabs' right half, the logo is T - 3 wide.
inline constexpr int kColumnWidth = 228;
inline constexpr int kSmallFontsColumnWidth = 190;
inline constexpr int kParametersHeight = 540;
inline constexpr int kSmallFontsParametersHeight = 450;
// The logo is shown on work areas wider than this (strictly).
inline constexpr int kLogoMinWorkAreaWidth = 800;
inline constexpr int kSmallFontsLogoMinWorkAreaWidth = 700;
// The views end this far short of the work area's right edge.
inline constexpr int kRightMargin = 10;

struct MainWindowLayout {
    int column = 0;  // T
    LayoutRect parameters;
    LayoutRect logo;
    bool logoVisible = false;
    LayoutRect drawArea;
    LayoutRect render;
};

// The layout of a work area `workAreaWidth` by `workAreaHeight` pixels under a
// toolbar `toolbarHeight` high, in the window's coordinates (the toolbar at
// the top): the tabs end at the work area's bottom less the toolbar's height;
// the 3D view spans from the toolbar to half the height, the drawing area
// from there to the tabs' bottom line (half the height rounded down); the
// logo fills the column above the tabs.
MainWindowLayout layoutMainWindow(int workAreaWidth, int workAreaHeight, int toolbarHeight, bool smallFonts);

// A factor for each side of a rectangle.
struct Scaling {
    double left = 1.0;
    double top = 1.0;
    double width = 1.0;
    double height = 1.0;
};

// Each side multiplied by its factor, rounded to the nearest pixel.
LayoutRect scaled(const LayoutRect& rect, const Scaling& factors);

// The cross-section editor group of the fuselage tab, placed around the
// section box `sectionBox` (DSA): the section scroll bar under the box and
// as wide; the upper-curvature slider left of the box at its top, the
// linked-curvatures check box and the lower-curvature slider under it; the
// bias slider right of the box; the three smoothing buttons 50 pixels below
// the scroll bar, centred at 30 % (top), 50 % (width) and 70 % (down) of
// the box's width from the container's left edge; the section number's label
// under the scroll bar's left end. Each rectangle keeps its own width and
// height except the scroll bar's width.
struct SectionEditorGroup {
    LayoutRect sectionBox;
    LayoutRect fuselageScroll;
    LayoutRect curvatureSlider;
    LayoutRect linkedCurvaturesCheck;
    LayoutRect curvature2Slider;
    LayoutRect biasSlider;
    LayoutRect smoothTop;
    LayoutRect smoothWidth;
    LayoutRect smoothDown;
    LayoutRect sectionLabel;
};
inline constexpr int kSmoothButtonsGap = 50;
void placeSectionEditor(SectionEditorGroup& group);

}  // namespace ferlo
