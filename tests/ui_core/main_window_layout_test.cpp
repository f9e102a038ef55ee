#include "ui_core/main_window_layout.h"

#include <gtest/gtest.h>

#include "support/layout_rect.h"

namespace ferlo {
namespace {

using testing::expectRect;

// The arithmetic for a 30-pixel toolbar: the tabs end 30 pixels above the
// work area's bottom, the views split the height at its middle and end 10
// pixels short of the right edge, the logo fills the column above the tabs.
TEST(MainWindowLayout, PlacesTheTabsTheLogoAndTheViewsFromTheWorkArea) {
    struct Case {
        int width, height;
        bool smallFonts;
        LayoutRect parameters, logo, drawArea, render;
        bool logoVisible;
    };
    const Case cases[] = {
        {1280, 1024, false, {0, 454, 456, 540}, {0, 30, 225, 424}, {228, 512, 1042, 482}, {228, 30, 1042, 482}, true},
        {1024, 768, true, {0, 288, 380, 450}, {0, 30, 187, 258}, {190, 384, 824, 354}, {190, 30, 824, 354}, true},
        {800, 601, false, {0, 31, 456, 540}, {0, 30, 225, 1}, {228, 300, 562, 270}, {228, 30, 562, 270}, false},
        {801, 600, false, {0, 30, 456, 540}, {0, 30, 225, 0}, {228, 300, 563, 270}, {228, 30, 563, 270}, true},
        {700, 600, true, {0, 120, 380, 450}, {0, 30, 187, 90}, {190, 300, 500, 270}, {190, 30, 500, 270}, false},
        {701, 600, true, {0, 120, 380, 450}, {0, 30, 187, 90}, {190, 300, 501, 270}, {190, 30, 501, 270}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        const MainWindowLayout layout = layoutMainWindow(c.width, c.height, 30, c.smallFonts);
        expectRect(layout.parameters, c.parameters, "tabs");
        expectRect(layout.logo, c.logo, "logo");
        expectRect(layout.drawArea, c.drawArea, "drawing area");
        expectRect(layout.render, c.render, "3D box");
        EXPECT_EQ(layout.logoVisible, c.logoVisible);
    }
}

// Small-fonts mode: up to 96 dots per inch, and only when the preferences
// file exists.
TEST(MainWindowLayout, SmallFontsModeNeedsAFontOf16PixelsAndThePreferencesFile) {
    EXPECT_TRUE(smallFontsMode(96, true));
    EXPECT_TRUE(smallFontsMode(72, true));
    EXPECT_FALSE(smallFontsMode(97, true));
    EXPECT_FALSE(smallFontsMode(120, true));
    EXPECT_FALSE(smallFontsMode(96, false));
}

}  // namespace
}  // namespace ferlo
