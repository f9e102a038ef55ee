#include "editor/small_fonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "editor/canvas_widget.h"
#include "editor/drawing_area.h"
#include "editor/layout_geometry.h"
#include "editor/main_controls.h"

namespace ferlo {

namespace {

bool isPicture(const QWidget& w) {
    const auto* label = qobject_cast<const QLabel*>(&w);
    return label != nullptr && !label->pixmap().isNull();
}

ControlKind kindOf(const QWidget& w, const MainControls& c) {
    if (qobject_cast<const QLineEdit*>(&w) != nullptr) return ControlKind::TextBox;
    if (qobject_cast<const QGroupBox*>(&w) != nullptr) return ControlKind::Frame;
    if (qobject_cast<const QComboBox*>(&w) != nullptr) return ControlKind::ComboBox;
    if (dynamic_cast<const CanvasWidget*>(&w) != nullptr || &w == c.Render) return ControlKind::PictureBox;
    if (isPicture(w)) return ControlKind::Image;
    return ControlKind::Other;
}

// The window's own controls, at every depth (the tab pages' too), without
// other windows (the popup menu, dialogs) and without the parts Qt builds
// inside a control (a combo box's list, a spin box's line edit, the tab
// widget's stack, which only holds the pages).
void collectControls(QWidget& parent, std::vector<QWidget*>& controls) {
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        if (!child->objectName().startsWith("qt_")) controls.push_back(child);
        if (qobject_cast<QComboBox*>(child) == nullptr) collectControls(*child, controls);
    }
}

void applyScaling(QWidget& w, const Scaling& factors) { place(w, scaled(layoutRectOf(w), factors)); }

}  // namespace

void resizeForSmallFonts(QWidget& window, MainControls& c) {
    std::vector<QWidget*> controls;
    collectControls(window, controls);
    for (QWidget* w : controls) {
        if (w == c.DrawArea) continue;
        const bool inFrame = qobject_cast<QGroupBox*>(w->parentWidget()) != nullptr;
        applyScaling(*w, smallFontsScaling(kindOf(*w, c), inFrame));
    }

    placeSectionEditorGroup(c);

    const QRect line = c.Line1->geometry();
    c.Line1->setGeometry(line.x(), line.y(), c.Frame8->width() - line.x(), line.height());
}

void enlargeForSmallFonts(QWidget& splash) {
    const Scaling factors{kSplashSmallFontsFactor, kSplashSmallFontsFactor, kSplashSmallFontsFactor,
                          kSplashSmallFontsFactor};
    const LayoutRect size = scaled({0, 0, splash.width(), splash.height()}, factors);
    splash.resize(size.width, size.height);
    for (QWidget* child : splash.findChildren<QWidget*>()) {
        if (!isPicture(*child)) applyScaling(*child, factors);
    }
}

}  // namespace ferlo
