#include <string>

#include <QAction>
#include <QGroupBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "document/view_drawing.h"
#include "editor/drawing/drawing_area.h"
#include "editor/drawing/qimage_canvas.h"
#include "support/editor_window.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

struct Smoothing {
    bool top, down, width;
    bool operator==(const Smoothing&) const = default;
};

Smoothing smoothingOf(const MainControls& c) {
    return {c.SmoothTopCommand->isEnabled(), c.SmoothDownCommand->isEnabled(), c.SmoothWidthCommand->isEnabled()};
}

const char* nameOf(ViewKind kind) {
    switch (kind) {
    case ViewKind::VTop:
        return "vtop";
    case ViewKind::Front:
        return "front";
    case ViewKind::Side:
        return "side";
    case ViewKind::HTop:
        return "htop";
    }
    return "";
}

void initView(MainWindow& main, ViewKind kind) {
    switch (kind) {
    case ViewKind::VTop:
        return main.initVTopView();
    case ViewKind::Front:
        return main.initFrontView();
    case ViewKind::Side:
        return main.initSideView();
    case ViewKind::HTop:
        return main.initHTopView();
    }
}

// Each switch, in this order, with the wing tab and with the equipment tab
// open: the view kind, the pressed view button, the HTop button's enabled
// state, the smoothing buttons (left as they were by Front and VTop), the
// popup's InsRem, and the fuselage's offsets frame (hidden by every view but
// VTop, which leaves it as it was). The modifiers Shift and Ctrl are
// cleared, Alt is kept. The drawing area shows exactly the document's
// drawing of the view at the fitted transform.
TEST(ViewSetup, EachViewSetsItsControlsAndDrawsItsParts) {
    struct Case {
        ViewKind kind;
        const char* pressed;
        bool htopEnabled;
        Smoothing smoothing;
        bool insRem;
    };
    const Case cases[] = {
        {ViewKind::Side, "Side", true, {true, true, false}, true},
        {ViewKind::Front, "Front", false, {true, true, false}, false},
        {ViewKind::HTop, "HTop", true, {false, false, true}, true},
        {ViewKind::VTop, "VTop", false, {false, false, true}, false},
        {ViewKind::HTop, "HTop", true, {false, false, true}, true},
        {ViewKind::Side, "Side", true, {true, true, false}, true},
        {ViewKind::VTop, "VTop", false, {true, true, false}, false},
    };
    for (const ParameterTab tab : {ParameterTab::Wing, ParameterTab::Electronics}) {
        testing::EditorWindow editor;
        MainWindow& main = editor.start();
        const MainControls& c = main.controls();
        main.setTab(tab);
        // At start-up the frame is shown, and VTop leaves it so.
        main.initVTopView();
        EXPECT_FALSE(c.FuselageVTopFrame->isHidden());
        for (const Case& k : cases) {
            SCOPED_TRACE(nameOf(k.kind));
            SCOPED_TRACE(static_cast<int>(tab));
            ViewState& view = main.state().view;
            view.shiftkey = view.ctrlkey = view.altkey = true;
            initView(main, k.kind);
            EXPECT_EQ(main.state().mode, k.kind);
            for (const char* key : {"VTop", "Front", "Side", "HTop"}) {
                EXPECT_EQ(c.button(key)->isChecked(), std::string(key) == k.pressed) << key;
            }
            EXPECT_EQ(c.button("HTop")->isEnabled(), k.htopEnabled);
            EXPECT_EQ(smoothingOf(c), k.smoothing);
            EXPECT_EQ(c.InsRem->isEnabled(), k.insRem);
            EXPECT_TRUE(c.FuselageVTopFrame->isHidden());
            EXPECT_FALSE(view.shiftkey);
            EXPECT_FALSE(view.ctrlkey);
            EXPECT_TRUE(view.altkey);

            const QImage& shown = c.DrawArea->canvas().image();
            QImageCanvas expected(shown.width(), shown.height());
            Plane& plane = main.plane();
            drawView(plane, k.kind, {expected, view, plane.viewColors()}, tab == ParameterTab::Electronics);
            EXPECT_EQ(shown, expected.image());
        }
        for (ViewKind kind : {ViewKind::VTop, ViewKind::Front, ViewKind::Side, ViewKind::HTop}) {
            initView(main, kind);
            const std::string suffix = tab == ParameterTab::Electronics ? "_equipment_tab" : "";
            testing::saveOutputPng(c.DrawArea->canvas().image(), std::string("drawing_area_") + nameOf(kind) + suffix);
        }
    }
}

// Lock Zoom keeps the zoom and the origin through view switches; without it
// each view is fitted afresh.
TEST(ViewSetup, LockZoomKeepsTheZoomAndTheOffsets) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    ViewState& view = main.state().view;
    const ViewState vtop = view;
    main.controls().LockZoom->setChecked(true);
    view.zoom = 1.5;
    view.xoff = 123;
    view.yoff = 45;
    for (ViewKind kind : {ViewKind::Side, ViewKind::Front, ViewKind::HTop, ViewKind::VTop}) {
        initView(main, kind);
        EXPECT_EQ(view.zoom, 1.5);
        EXPECT_EQ(view.xoff, 123);
        EXPECT_EQ(view.yoff, 45);
    }
    main.controls().LockZoom->setChecked(false);
    main.initSideView();
    EXPECT_NE(view.zoom, 1.5);
    main.initVTopView();
    EXPECT_EQ(view.zoom, vtop.zoom);
    EXPECT_EQ(view.xoff, vtop.xoff);
    EXPECT_EQ(view.yoff, vtop.yoff);
}

// Opening the wing or the stabiliser tab takes the highlight off the current
// fuselage; the other tabs leave it.
TEST(ViewSetup, OpeningTheWingOrStabiliserTabClearsTheFuselageHighlight) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    const struct {
        ParameterTab tab;
        bool highlightKept;
    } cases[] = {{ParameterTab::Fuselage, true}, {ParameterTab::Wing, false}, {ParameterTab::Fin, true},
                 {ParameterTab::Stab, false},    {ParameterTab::Electronics, true}};
    for (const auto& c : cases) {
        main.setTab(c.tab == ParameterTab::Fuselage ? ParameterTab::Fin : ParameterTab::Fuselage);
        main.plane().fuselages.current().selected = true;
        main.setTab(c.tab);
        EXPECT_EQ(main.plane().fuselages.current().selected, c.highlightKept) << static_cast<int>(c.tab);
    }
}

// Redrawing the current view renders the 3D view only while Render is down.
TEST(ViewSetup, RefreshRendersWhileRenderIsDown) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    const int before = editor.render->count("rebuild");
    main.follow(Effects::RedrawView | Effects::Render3D);
    EXPECT_EQ(editor.render->count("rebuild"), before);
    main.controls().button("Render")->setChecked(true);
    main.state().savedProject = true;
    main.follow(Effects::Edited);
    EXPECT_EQ(editor.render->count("rebuild"), before + 1);
    EXPECT_FALSE(main.state().savedProject);
}

}  // namespace
}  // namespace ferlo
