#include "ui_core/main_window_layout.h"

#include <cmath>

namespace ferlo {

bool smallFontsMode(double logicalDpi, bool preferencesFileExists) {
    return logicalDpi <= kSmallFontsMaxDpi && preferencesFileExists;
}

MainWindowLayout layoutMainWindow(int workAreaWidth, int workAreaHeight, int toolbarHeight, bool smallFonts) {
    MainWindowLayout layout;
    const int t = smallFonts ? kSmallFontsColumnWidth : kColumnWidth;
    layout.column = t;

    LayoutRect& parameters = layout.parameters;
    parameters.height = smallFonts ? kSmallFontsParametersHeight : kParametersHeight;
    parameters.width = 2 * t;
    parameters.left = 0;
    parameters.top = workAreaHeight - parameters.height - toolbarHeight;

    layout.logo = {0, toolbarHeight, t - 3, parameters.top - toolbarHeight};
    layout.logoVisible =
        workAreaWidth > (smallFonts ? kSmallFontsLogoMinWorkAreaWidth : kLogoMinWorkAreaWidth);

    const int viewsWidth = workAreaWidth - t - kRightMargin;
    const int middle = workAreaHeight / 2;
    layout.drawArea = {t, middle, viewsWidth, middle - toolbarHeight};
    layout.render = {t, toolbarHeight, viewsWidth, middle - toolbarHeight};
    return layout;
}

LayoutRect scaled(const LayoutRect& rect, const Scaling& factors) {
    const auto times = [](int value, double factor) { return static_cast<int>(std::lround(value * factor)); };
    return {times(rect.left, factors.left), times(rect.top, factors.top), times(rect.width, factors.width),
            times(rect.height, factors.height)};
}

void placeSectionEditor(SectionEditorGroup& g) {
    const LayoutRect& box = g.sectionBox;
    g.fuselageScroll.left = box.left;
    g.fuselageScroll.top = box.bottom();
    g.fuselageScroll.width = box.width;
    // Flush against the box's left edge, so the slider covers none of the section.
    g.curvatureSlider.top = box.top;
    g.curvatureSlider.left = box.left - g.curvatureSlider.width;
    g.linkedCurvaturesCheck.top = g.curvatureSlider.bottom();
    g.linkedCurvaturesCheck.left = g.curvatureSlider.left;
    g.curvature2Slider.top = g.linkedCurvaturesCheck.bottom();
    g.curvature2Slider.left = g.curvatureSlider.left;
    g.biasSlider.top = box.top;
    g.biasSlider.left = box.right();
    g.sectionLabel.top = g.fuselageScroll.bottom();
    g.sectionLabel.left = g.fuselageScroll.left;

    const int buttonsTop = g.fuselageScroll.bottom() + kSmoothButtonsGap;
    const auto centreAt = [&](LayoutRect& button, double share) {
        button.top = buttonsTop;
        button.left = static_cast<int>(std::lround(share * box.width - button.width / 2.0));
    };
    centreAt(g.smoothTop, 0.3);
    centreAt(g.smoothWidth, 0.5);
    centreAt(g.smoothDown, 0.7);
}

}  // namespace ferlo
