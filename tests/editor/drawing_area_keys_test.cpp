#include <string>

#include <QAction>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "editor/drawing/drawing_area.h"
#include "editor/drawing/drawing_area_input.h"
#include "editor/drawing/pointer_shapes.h"
#include "support/editor_window.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

// What lies under the pointer, set on the aircraft as a hover leaves it.
enum class Lit { Nothing, WingEdge, WingCorner, Fuselage, Box, Fin };

void light(Plane& plane, Lit lit) {
    switch (lit) {
    case Lit::Nothing: break;
    case Lit::WingEdge:
    case Lit::WingCorner:
        plane.mainWing.wing(1).selected = true;
        plane.mainWing.wing(1).selected_part =
            lit == Lit::WingEdge ? SymWingSections::kHitTipEdge : SymWingSections::kHitTipLeadingCorner;
        break;
    case Lit::Fuselage: plane.fuselages.current().selected = true; break;
    case Lit::Box: plane.equipment.box(1).selected = true; break;
    case Lit::Fin: plane.fin.selected = true; break;
    }
}

// A modifier key pressed in the drawing area, by view and what lies under
// the pointer: the flags it sets and the pointer it shows (from the arrow,
// or from the custom pointer a corner shows).
TEST(DrawingAreaKeys, ModifierKeysSetTheirFlagsAndThePointer) {
    const struct Case {
        ViewKind view;
        Qt::Key key;
        Lit lit;
        int pointerBefore;
        bool shift, ctrl, alt;
        int pointer;
    } cases[] = {
        {ViewKind::VTop, Qt::Key_Shift, Lit::WingEdge, kPointerSizeNS, true, false, false, kPointerSizeWE},
        {ViewKind::VTop, Qt::Key_Shift, Lit::Fuselage, kPointerSizeWE, true, false, false, kPointerSizeNS},
        {ViewKind::Side, Qt::Key_Shift, Lit::Fuselage, kPointerSizeNS, true, false, false, kPointerSizeWE},
        {ViewKind::Side, Qt::Key_Shift, Lit::Fin, kPointerSizeWE, true, false, false, kPointerSizeNS},
        {ViewKind::Side, Qt::Key_Shift, Lit::Box, kPointerSizeWE, true, false, false, kPointerSizeNS},
        {ViewKind::Side, Qt::Key_Shift, Lit::Nothing, kPointerDefault, false, false, false, kPointerDefault},
        {ViewKind::VTop, Qt::Key_Shift, Lit::WingCorner, kPointerCustom, false, false, false, kPointerCustom},
        {ViewKind::Front, Qt::Key_Control, Lit::Nothing, kPointerDefault, false, false, false, kPointerDefault},
        {ViewKind::VTop, Qt::Key_Control, Lit::Nothing, kPointerDefault, false, false, false, kPointerDefault},
        {ViewKind::Side, Qt::Key_Control, Lit::Nothing, kPointerDefault, false, true, false, kPointerCross},
        {ViewKind::HTop, Qt::Key_Control, Lit::Fuselage, kPointerSizeNS, false, true, false, kPointerCross},
        {ViewKind::VTop, Qt::Key_Alt, Lit::Nothing, kPointerDefault, false, false, true, kPointerDefault},
    };
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    DrawingArea& area = *main.controls().DrawArea;
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.view));
        SCOPED_TRACE(static_cast<int>(c.lit));
        main.setTab(ParameterTab::Wing);
        if (c.view == ViewKind::VTop) main.initVTopView();
        if (c.view == ViewKind::Front) main.initFrontView();
        if (c.view == ViewKind::Side) main.initSideView();
        if (c.view == ViewKind::HTop) main.initHTopView();
        light(main.plane(), c.lit);
        area.setMousePointer(c.pointerBefore);
        const Qt::KeyboardModifier modifier = c.key == Qt::Key_Shift     ? Qt::ShiftModifier
                                              : c.key == Qt::Key_Control ? Qt::ControlModifier
                                                                         : Qt::AltModifier;
        QTest::keyPress(&area, c.key, modifier);
        const ViewState& view = main.state().view;
        EXPECT_EQ(view.shiftkey, c.shift);
        EXPECT_EQ(view.ctrlkey, c.ctrl);
        EXPECT_EQ(view.altkey, c.alt);
        EXPECT_EQ(area.mousePointer(), c.pointer);
        // Any key-up clears the three and ends what a mouse-up ends.
        QTest::keyRelease(&area, c.key, Qt::NoModifier);
        EXPECT_FALSE(view.shiftkey || view.ctrlkey || view.altkey);
        EXPECT_FALSE(main.plane().fuselages.current().selected);
    }
}

// The pointer rules in their order, a later one winning: for each
// highlighted part its arrow or custom pointer, Shift the other arrow,
// nothing: the arrow or with Ctrl the cross-hair (with Shift alone the
// pointer stays), Alt over all of them.
TEST(DrawingAreaKeys, PointerRules) {
    const PointerShape customNS{kPointerCustom, PointerIcon::NorthSouth};
    const PointerShape customEW{kPointerCustom, PointerIcon::EastWest};
    const auto plain = [](int value) { return PointerShape{value, PointerIcon::NorthSouth}; };
    const struct Case {
        Hover hover;
        ViewKind view;
        bool shift, ctrl, alt;
        PointerShape expected;
    } cases[] = {
        {{.wing = true, .wingPart = 0}, ViewKind::VTop, false, false, false, plain(kPointerSizeNS)},
        {{.wing = true, .wingPart = 4}, ViewKind::VTop, true, false, false, plain(kPointerSizeWE)},
        {{.wing = true, .wingPart = 6}, ViewKind::VTop, false, false, false, customNS},
        {{.stab = true, .stabPart = 2}, ViewKind::VTop, false, false, false, customNS},
        {{.fuselage = true, .fuselagePart = 0}, ViewKind::VTop, false, false, false, plain(kPointerSizeWE)},
        {{.fuselage = true, .fuselagePart = 0}, ViewKind::VTop, true, false, false, plain(kPointerSizeNS)},
        {{.fuselage = true, .fuselagePart = 0}, ViewKind::Side, false, false, false, plain(kPointerSizeNS)},
        {{.fuselage = true, .fuselagePart = 1}, ViewKind::Side, false, false, false, customNS},
        {{.box = true}, ViewKind::Side, false, false, false, plain(kPointerSizeWE)},
        {{.box = true}, ViewKind::Side, true, false, false, plain(kPointerSizeNS)},
        {{.fin = true, .finPart = 4}, ViewKind::Side, false, false, false, plain(kPointerSizeWE)},
        {{.fin = true, .finPart = 7}, ViewKind::Side, false, false, false, customEW},
        {{.fin = true, .finPart = 7}, ViewKind::Side, true, false, false, plain(kPointerSizeNS)},
        {{.wing = true, .wingPart = 0, .fin = true, .finPart = 8}, ViewKind::Front, false, false, false, customEW},
        {{}, ViewKind::Side, false, false, false, plain(kPointerDefault)},
        {{}, ViewKind::Side, true, true, false, plain(kPointerCross)},
        {{}, ViewKind::Side, true, false, false, plain(kPointerSizeAll)},  // stays as it was
        {{.wing = true, .wingPart = 0}, ViewKind::VTop, false, false, true, plain(kPointerSizeAll)},
    };
    for (const Case& c : cases) {
        ViewState view;
        view.shiftkey = c.shift;
        view.ctrlkey = c.ctrl;
        view.altkey = c.alt;
        EXPECT_EQ(pointerShapeFor(c.hover, c.view, view, plain(kPointerSizeAll)), c.expected)
            << &c - cases;
    }
}

// The two custom pointers: 32 x 32, black with a white outline, the hot
// spot at the ring's centre.
TEST(DrawingAreaKeys, CustomPointers) {
    const struct {
        PointerIcon icon;
        QPoint hotSpot;
        const char* name;
    } cases[] = {{PointerIcon::NorthSouth, {14, 11}, "pointer_north_south"},
                 {PointerIcon::EastWest, {18, 26}, "pointer_east_west"}};
    for (const auto& c : cases) {
        const QImage image = pointerIconImage(c.icon);
        EXPECT_EQ(image.size(), QSize(32, 32));
        EXPECT_EQ(pointerIconCursor(c.icon).hotSpot(), c.hotSpot);
        EXPECT_EQ(qAlpha(image.pixel(c.hotSpot)), 0) << "the ring's centre is open";
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) != 0) {
                    EXPECT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << x << "," << y;
                }
            }
        }
        testing::saveOutputPng(image.scaled(128, 128), c.name);
    }
}

// Z, C, X and V switch views with or without Shift; I without a picture
// does nothing; A sets the focus zoom that the next Side or HTop fit takes;
// Ctrl+Shift+R asks for the frustum and applies only a positive number.
TEST(DrawingAreaKeys, Shortcuts) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    DrawingArea& area = *main.controls().DrawArea;
    const struct {
        Qt::Key key;
        ViewKind view;
    } views[] = {{Qt::Key_C, ViewKind::Side}, {Qt::Key_X, ViewKind::Front}, {Qt::Key_V, ViewKind::HTop},
                 {Qt::Key_Z, ViewKind::VTop}};
    for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers{}, Qt::KeyboardModifiers{Qt::ShiftModifier}}) {
        for (const auto& v : views) {
            QTest::keyClick(&area, v.key, mods);
            EXPECT_EQ(main.state().mode, v.view) << v.key;
        }
    }
    QTest::keyClick(&area, Qt::Key_I);
    EXPECT_TRUE(editor.dialogs.inputDefaults.empty());

    QTest::keyClick(&area, Qt::Key_A);
    EXPECT_TRUE(main.state().focusZoom);  // the VTop fit leaves it
    QTest::keyClick(&area, Qt::Key_C);
    EXPECT_FALSE(main.state().focusZoom);

    editor.dialogs.inputs = {"250", "abc", "", "-5", "0"};
    for (int i = 0; i < 5; ++i) QTest::keyClick(&area, Qt::Key_R, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(&area, Qt::Key_R, Qt::ControlModifier);  // R needs both
    EXPECT_EQ(editor.dialogs.inputDefaults, std::vector<QString>(5, "100"));
    EXPECT_EQ(editor.render->frustumSizes, std::vector<double>{250});
}

// The popup's modifier items: Change turns Shift over (not while the custom
// pointer shows) and clears Ctrl; Insert/Remove (offered in the Side and
// HTop views) turns Ctrl over and clears Shift.
TEST(DrawingAreaKeys, PopupItemsSetTheModifiers) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    const MainControls& c = main.controls();
    ViewState& view = main.state().view;
    view.ctrlkey = true;
    c.Change->trigger();
    EXPECT_TRUE(view.shiftkey);
    EXPECT_FALSE(view.ctrlkey);
    c.DrawArea->setMousePointer(kPointerCustom);
    c.Change->trigger();
    EXPECT_TRUE(view.shiftkey);
    c.InsRem->trigger();
    EXPECT_FALSE(view.ctrlkey);  // not in VTop
    main.initSideView();
    view.shiftkey = true;
    c.InsRem->trigger();
    EXPECT_TRUE(view.ctrlkey);
    EXPECT_FALSE(view.shiftkey);
    c.InsRem->trigger();
    EXPECT_FALSE(view.ctrlkey);
}

}  // namespace
}  // namespace ferlo
