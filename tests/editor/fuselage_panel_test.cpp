#include "editor/panels/fuselage_panel.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "document/view_drawing.h"
#include "editor/drawing/canvas_widget.h"
#include "editor/drawing/drawing_area.h"
#include "editor/drawing/qimage_canvas.h"
#include "editor/panels/fuselage_manager.h"
#include "editor/panels/length_text.h"
#include "editor/panels/parameter_panels.h"
#include "support/editor_window.h"
#include "support/fuselage_sections.h"
#include "support/panel_typing.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

// The started editor on the fuselage tab, with its controls by name.
struct Panel {
    testing::EditorWindow window;
    MainWindow& main = window.startSettled();
    Plane& plane = main.plane();
    MainControls& c = main.controls();
    bool onTab = (main.setTab(ParameterTab::Fuselage), true);

    template <typename Widget = QLineEdit>
    Widget& get(const char* name) {
        Widget* widget = main.findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) ADD_FAILURE() << "no control " << name;
        return *widget;
    }
    MeshSections& current() { return plane.fuselages.current(); }
    QString text(const char* name) { return get(name).text(); }
    bool saved() const { return main.state().savedProject; }
    // `n` default fuselages more, fuselage 1 current and shown.
    void addFuselages(int n) {
        for (int i = 0; i < n; ++i) plane.fuselages.addFuselage(false, plane.units, plane.defaultColor);
        plane.fuselages.currentFuselage = 1;
        main.fuselageManager().update();
        main.panels().updateFuselageInterface();
    }
    // Fuselage 2 of `total` with `count` (its sections or its outline
    // points) 0, as a project file may hold it; fuselage 1 current.
    MeshSections& fuselage2Without(std::int16_t MeshSections::*count, int total) {
        addFuselages(total - 1);
        MeshSections& f = plane.fuselages.fuselage(2);
        f.*count = 0;
        f.initArrays();
        return f;
    }
    // A press of Plus with `button` and the modifiers held.
    void pressPlus(Qt::MouseButton button, Qt::KeyboardModifiers mods) {
        QTest::mousePress(&get<QPushButton>("IndexFusPlusButton"), button, mods);
        QTest::mouseRelease(&get<QPushButton>("IndexFusPlusButton"), button, mods);
    }
    int manRows() { return main.fuselageManager().ListView->topLevelItemCount(); }
};

std::vector<QString> sectionBoxes(Panel& p) {
    return {p.text("WidthFuselageText"), p.text("HeightFuselageText"), p.text("ElevationFuselageText"),
            p.text("PosFuselageText")};
}

// The tab shows the default fuselage at start-up; the section scroll bar
// selects each section and shows its values, its number after a blank, and
// draws it in the section box. Selecting changes nothing worth saving.
TEST(FuselagePanel, SectionScrollBarShowsEachSection) {
    Panel p;
    EXPECT_EQ(sectionBoxes(p), (std::vector<QString>{"20", "20", "10", "0"}));
    EXPECT_EQ(p.text("NbCrossFuselageText"), "8");
    EXPECT_EQ(p.text("ElevOffsetText"), "0");
    EXPECT_EQ(p.get<QLabel>("IdFusLabel").text(), "1");
    EXPECT_EQ(p.c.FuselageScroll->maximum(), 3);
    EXPECT_EQ(p.c.CurvatureSlider->value(), 100);
    EXPECT_EQ(p.c.Curvature2Slider->value(), 100);
    EXPECT_EQ(p.c.BiasSlider->value(), 50);
    EXPECT_TRUE(p.get<QCheckBox>("UniqueCurvatureCheck").isChecked());
    EXPECT_TRUE(p.c.LinkedCurvaturesCheck->isChecked());
    EXPECT_FALSE(p.get<QCheckBox>("TransparentCheck").isChecked());

    struct Case {
        int section;
        std::vector<QString> boxes;
        QString label;
    };
    const Case cases[] = {{2, {"100", "100", "10", "200"}, " 2"}, {3, {"10", "10", "30", "800"}, " 3"},
                          {1, {"20", "20", "10", "0"}, " 1"}};
    // Section 3 made flat, so the box's picture tells it from the others.
    p.current().uniqueCurvature = false;
    p.current().sel_sec = 3;
    p.current().bias_curveSet(0.2);
    for (const Case& c : cases) {
        const QImage before = p.c.DrawSectionArea->canvas().image();
        p.c.FuselageScroll->setValue(c.section);
        EXPECT_EQ(p.current().sel_sec, c.section);
        EXPECT_EQ(sectionBoxes(p), c.boxes) << c.section;
        EXPECT_EQ(p.get<QLabel>("FuselageSectionLabel").text(), c.label);
        const QImage& shown = p.c.DrawSectionArea->canvas().image();
        QImageCanvas expected(shown.width(), shown.height());
        p.current().drawSection(expected);
        EXPECT_EQ(shown, expected.image()) << c.section;
        EXPECT_EQ(shown != before, c.section != 2) << c.section;  // sections 1 and 2 look alike
    }
    EXPECT_TRUE(p.saved());
    p.c.FuselageScroll->setValue(2);
    testing::saveTabPng(p.main, ParameterTab::Fuselage, "fuselage_tab");
}

// In the Side and HTop views the section scroll bar redraws the view with
// the newly selected section's line lit.
TEST(FuselagePanel, SectionScrollBarLightsTheSectionInTheFuselageViews) {
    for (ViewKind kind : {ViewKind::Side, ViewKind::HTop}) {
        SCOPED_TRACE(static_cast<int>(kind));
        Panel p;
        kind == ViewKind::Side ? p.main.initSideView() : p.main.initHTopView();
        p.c.FuselageScroll->setValue(2);
        const QImage& shown = p.c.DrawArea->canvas().image();
        QImageCanvas expected(shown.width(), shown.height());
        const ViewContext ctx{expected, p.main.state().view, p.plane.viewColors()};
        drawView(p.plane, kind, ctx, false);
        QImageCanvas plain(shown.width(), shown.height());
        drawView(p.plane, kind, {plain, p.main.state().view, p.plane.viewColors()}, false);
        if (kind == ViewKind::Side) p.plane.fuselages.drawSideFuselages(ctx, 2, 0);
        if (kind == ViewKind::HTop) p.plane.fuselages.drawHTopFuselages(ctx, 2, 0);
        EXPECT_EQ(shown, expected.image());
        EXPECT_NE(shown, plain.image());
    }
}

// A typed value reaches the fuselage at every key: the selected section's
// four values raw (without the offsets), the offsets the fuselage's; a text
// that does not start with a number leaves the value. The width and height
// redraw the section box. Each commit marks the project unsaved.
TEST(FuselagePanel, TypedValuesReachTheSelectedSection) {
    struct Case {
        const char* box;
        QString text;
        double (*value)(const MeshSections&);
        double expected;
    };
    const auto second = [](const MeshSections& f) { return testing::sectionAt(f, 2); };
    const Case cases[] = {
        {"WidthFuselageText", "55", [](const MeshSections& f) { return testing::sectionAt(f, 2).width; }, 55},
        {"HeightFuselageText", "70.5", [](const MeshSections& f) { return testing::sectionAt(f, 2).height; }, 70.5},
        {"ElevationFuselageText", "-5", [](const MeshSections& f) { return testing::sectionAt(f, 2).elevation; }, -5},
        {"PosFuselageText", "210", [](const MeshSections& f) { return testing::sectionAt(f, 2).pos; }, 210},
        {"PosFuselageText", "x1", [](const MeshSections& f) { return testing::sectionAt(f, 2).pos; }, 200},
        {"ElevOffsetText", "12", [](const MeshSections& f) { return f.elevation_offset; }, 12},
        {"PosOffsetText", "30", [](const MeshSections& f) { return f.pos_offset; }, 30},
        {"ShiftOffsetText", "-40", [](const MeshSections& f) { return f.shift; }, -40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.text.toStdString());
        Panel p;
        p.c.FuselageScroll->setValue(2);
        const testing::SectionValues before = second(p.current());
        testing::typeOver(&p.get(c.box), c.text);
        EXPECT_EQ(c.value(p.current()), c.expected);
        EXPECT_EQ(p.text(c.box), c.text);
        EXPECT_EQ(p.saved(), c.text == "x1");
        // The other section values stay.
        const testing::SectionValues after = second(p.current());
        EXPECT_EQ(after.curvature, before.curvature);
        const QImage& shown = p.c.DrawSectionArea->canvas().image();
        QImageCanvas expected(shown.width(), shown.height());
        p.main.zoomSectionBox();
        p.current().drawSection(expected);
        EXPECT_EQ(shown, expected.image());
    }
}

// The point box commits at every key a whole number of points from 0 to
// 100 (half to even): "12" gives 1, then 12; "150" gives 1, 15 and keeps 15;
// an emptied box commits nothing. Each commit fills the tab (the section
// box shows the new outline) but leaves the box as typed.
TEST(FuselagePanel, PointBoxTakesWholeCountsUpTo100) {
    struct Case {
        QString text;
        std::vector<int> afterEachKey;
    };
    const Case cases[] = {{"12", {1, 12}}, {"150", {1, 15, 15}}, {"", {8}}, {"12.5", {1, 12, 12, 12}},
                          {"13.5", {1, 13, 13, 14}}, {"-3", {8, 8}}, {"abc", {8, 8, 8}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        Panel p;
        QLineEdit& box = p.get("NbCrossFuselageText");
        if (c.text.isEmpty()) {
            testing::typeOver(&box, c.text);
            EXPECT_EQ(p.current().nb_cross, c.afterEachKey[0]);
            EXPECT_TRUE(p.saved());
            continue;
        }
        box.setFocus();
        box.selectAll();
        for (int i = 0; i < c.text.size(); ++i) {
            QTest::keyClicks(&box, c.text.mid(i, 1));
            EXPECT_EQ(p.current().nb_cross, c.afterEachKey[i]) << "after " << c.text.left(i + 1).toStdString();
        }
        EXPECT_EQ(box.text(), c.text);
        const QImage& shown = p.c.DrawSectionArea->canvas().image();
        QImageCanvas expected(shown.width(), shown.height());
        p.current().drawSection(expected);
        EXPECT_EQ(shown, expected.image());
    }
}

// A fuselage without outline points, whether the user types 0 points or
// switches to one, disables only its section frame's four boxes, whose
// frame says why; every other box of every tab stays enabled. A count typed
// in the point box enables them again, and so does switching to a fuselage
// with points.
TEST(FuselagePanel, AFuselageWithoutPointsDisablesOnlyItsSectionBoxes) {
    Panel p;
    p.fuselage2Without(&MeshSections::nb_cross, 3);
    QScrollBar& fuselages = p.get<QScrollBar>("IndexFusScroll");
    const auto disabledBoxes = [&] {
        std::vector<std::string> names;
        for (QLineEdit* box : p.c.Parameters->findChildren<QLineEdit*>()) {
            if (!box->isEnabled()) names.push_back(box->objectName().toStdString());
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    const std::vector<std::string> sectionBoxes{"ElevationFuselageText", "HeightFuselageText", "PosFuselageText",
                                            "WidthFuselageText"};
    const QWidget& frame = p.get<QWidget>("SectionFrame");
    const auto expectSectionBoxesDisabled = [&](bool disabled) {
        EXPECT_EQ(disabledBoxes(), disabled ? sectionBoxes : std::vector<std::string>{});
        EXPECT_EQ(frame.toolTip().contains("no outline points"), disabled) << frame.toolTip().toStdString();
    };
    expectSectionBoxesDisabled(false);

    testing::typeOver(&p.get("NbCrossFuselageText"), "0");
    EXPECT_EQ(p.current().nb_cross, 0);
    expectSectionBoxesDisabled(true);
    testing::typeOver(&p.get("NbCrossFuselageText"), "6");
    EXPECT_EQ(p.current().nb_cross, 6);
    expectSectionBoxesDisabled(false);

    fuselages.setValue(2);
    EXPECT_EQ(p.text("NbCrossFuselageText"), "0");
    expectSectionBoxesDisabled(true);
    fuselages.setValue(3);
    expectSectionBoxesDisabled(false);
}

// The exponent sliders write their position / 100; linked, both move
// together and both exponents follow; the bias slider writes the bias.
// With one shape for the whole fuselage every section follows, otherwise
// only the selected one. Each move marks the project unsaved.
TEST(FuselagePanel, SlidersWriteHundredths) {
    struct Case {
        const char* name;
        bool linked, unique;
        QSlider* MainControls::*slider;
        int position;
        double curvature, curvature2, bias;  // of the selected section 2 afterwards
        bool othersFollow;
    };
    const Case cases[] = {
        {"upper linked", true, true, &MainControls::CurvatureSlider, 250, 2.5, 2.5, 0.5, true},
        {"lower linked", true, false, &MainControls::Curvature2Slider, 123, 1.23, 1.23, 0.5, false},
        {"upper alone", false, true, &MainControls::CurvatureSlider, 250, 2.5, 1, 0.5, true},
        {"lower alone", false, false, &MainControls::Curvature2Slider, 7, 1, 0.07, 0.5, false},
        {"bias unique", false, true, &MainControls::BiasSlider, 30, 1, 1, 0.3, true},
        {"bias selected", true, false, &MainControls::BiasSlider, 30, 1, 1, 0.3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Panel p;
        p.c.FuselageScroll->setValue(2);
        if (p.c.LinkedCurvaturesCheck->isChecked() != c.linked) QTest::mouseClick(p.c.LinkedCurvaturesCheck, Qt::LeftButton);
        auto& unique = p.get<QCheckBox>("UniqueCurvatureCheck");
        if (unique.isChecked() != c.unique) QTest::mouseClick(&unique, Qt::LeftButton);
        ASSERT_EQ(p.current().linkedCurvatures, c.linked);
        ASSERT_EQ(p.current().uniqueCurvature, c.unique);
        p.main.state().savedProject = true;

        (p.c.*c.slider)->setSliderPosition(c.position);
        const testing::SectionValues s = testing::sectionAt(p.current(), 2);
        EXPECT_DOUBLE_EQ(s.curvature, c.curvature);
        EXPECT_DOUBLE_EQ(s.curvature2, c.curvature2);
        EXPECT_DOUBLE_EQ(s.bias, c.bias);
        const testing::SectionValues nose = testing::sectionAt(p.current(), 1);
        EXPECT_EQ(nose.curvature == s.curvature && nose.curvature2 == s.curvature2 && nose.bias == s.bias,
                  c.othersFollow);
        if (c.linked && c.slider != &MainControls::BiasSlider) {
            EXPECT_EQ(p.c.CurvatureSlider->value(), c.position);
            EXPECT_EQ(p.c.Curvature2Slider->value(), c.position);
        }
        EXPECT_FALSE(p.saved());
    }
}

// A key on a slider moves it by its small step: a hundredth.
TEST(FuselagePanel, SliderKeyStepsAHundredth) {
    Panel p;
    QTest::keyClick(p.c.BiasSlider, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(p.current().bias_curveGet(), 0.51);
}

// Shape values a slider cannot show (from a file) are shown at the end of
// its range and stay in the fuselage, whether the tab is filled directly or
// by switching to the fuselage.
TEST(FuselagePanel, ViewingOutOfRangeShapesLeavesThemAlone) {
    Panel p;
    p.addFuselages(1);
    MeshSections& f = p.plane.fuselages.fuselage(2);
    f.uniqueCurvature = false;
    f.sel_sec = 2;
    f.curvatureSet(5.0);
    f.curvature2Set(0.004);
    f.bias_curveSet(1.5);
    f.sel_sec = 3;
    f.curvatureSet(1.234567);
    f.sel_sec = 2;
    p.get<QScrollBar>("IndexFusScroll").setValue(2);
    ASSERT_EQ(p.plane.fuselages.currentFuselage, 2);
    EXPECT_EQ(p.c.CurvatureSlider->value(), 350);
    EXPECT_EQ(p.c.Curvature2Slider->value(), 1);
    EXPECT_EQ(p.c.BiasSlider->value(), 99);
    p.c.FuselageScroll->setValue(3);
    EXPECT_EQ(p.c.CurvatureSlider->value(), 123);
    p.c.FuselageScroll->setValue(2);
    p.main.panels().updateFuselageInterface();
    const testing::SectionValues second = testing::sectionAt(f, 2);
    EXPECT_EQ(second.curvature, 5.0);
    EXPECT_EQ(second.curvature2, 0.004);
    EXPECT_EQ(second.bias, 1.5);
    EXPECT_EQ(testing::sectionAt(f, 3).curvature, 1.234567);
    EXPECT_TRUE(p.saved());
}

// Each check box sets its flag when clicked; the transparency re-renders
// the 3D view even while it does not render live. Each click marks the
// project unsaved.
TEST(FuselagePanel, CheckBoxesSetTheFlags) {
    struct Case {
        const char* name;
        bool MeshSections::*flag;
        bool rerenders;
    };
    const Case cases[] = {{"UniqueCurvatureCheck", &MeshSections::uniqueCurvature, false},
                          {"LinkedCurvaturesCheck", &MeshSections::linkedCurvatures, false},
                          {"TransparentCheck", &MeshSections::transparent, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Panel p;
        ASSERT_FALSE(p.main.liveRendering());
        const bool before = p.current().*c.flag;
        QTest::mouseClick(&p.get<QCheckBox>(c.name), Qt::LeftButton);
        EXPECT_EQ(p.current().*c.flag, !before);
        EXPECT_EQ(p.window.render->count("rebuild"), c.rerenders ? 1 : 0);
        EXPECT_FALSE(p.saved());
        QTest::mouseClick(&p.get<QCheckBox>(c.name), Qt::LeftButton);
        EXPECT_EQ(p.current().*c.flag, before);
    }
}

// A smoothing button runs one pass of its kind over the inner sections, and
// the tab shows the result at once.
TEST(FuselagePanel, SmoothingButtonsRunOnePass) {
    struct Case {
        const char* name;
        QPushButton* MainControls::*button;
        void (MeshSections::*pass)();
    };
    const Case cases[] = {{"top", &MainControls::SmoothTopCommand, &MeshSections::smoothTop},
                          {"down", &MainControls::SmoothDownCommand, &MeshSections::smoothDown},
                          {"width", &MainControls::SmoothWidthCommand, &MeshSections::SmoothWidth}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Panel p;
        p.c.FuselageScroll->setValue(2);
        MeshSections expected = p.current();
        (expected.*c.pass)();
        ASSERT_NE(testing::sectionsOf(expected), testing::sectionsOf(p.current()));
        (p.c.*c.button)->setEnabled(true);
        QTest::mouseClick(p.c.*c.button, Qt::LeftButton);
        EXPECT_EQ(testing::sectionsOf(p.current()), testing::sectionsOf(expected));
        const testing::SectionValues s = testing::sectionAt(expected, 2);
        EXPECT_EQ(p.text("HeightFuselageText"), Formatter(s.height, p.plane.units));
        EXPECT_EQ(p.text("WidthFuselageText"), Formatter(s.width, p.plane.units));
        EXPECT_EQ(p.text("ElevationFuselageText"), Formatter(s.elevation, p.plane.units));
        EXPECT_FALSE(p.saved());
    }
}

// Plus on a mouse press of any button adds a fuselage and makes it current;
// with Ctrl alone it copies the current fuselage, otherwise it is a default
// one. The manager lists it, the scroll bar and label show it.
TEST(FuselagePanel, PlusAddsAFuselageOnAPress) {
    struct Case {
        const char* name;
        Qt::MouseButton button;
        Qt::KeyboardModifiers mods;
        bool copy;
    };
    const Case cases[] = {{"plain", Qt::LeftButton, Qt::NoModifier, false},
                          {"ctrl", Qt::LeftButton, Qt::ControlModifier, true},
                          {"shift ctrl", Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, false},
                          {"right", Qt::RightButton, Qt::NoModifier, false},
                          {"right ctrl", Qt::RightButton, Qt::ControlModifier, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Panel p;
        p.c.FuselageScroll->setValue(2);
        p.c.Curvature2Slider->setSliderPosition(200);  // a shape a default fuselage lacks
        p.current().sel_sec = 2;
        p.main.state().savedProject = true;
        p.pressPlus(c.button, c.mods);
        ASSERT_EQ(p.plane.fuselages.nbFuselages(), 2);
        EXPECT_EQ(p.plane.fuselages.currentFuselage, 2);
        EXPECT_EQ(p.manRows(), 2);
        EXPECT_EQ(p.get<QLabel>("IdFusLabel").text(), "2");
        EXPECT_EQ(p.get<QScrollBar>("IndexFusScroll").maximum(), 2);
        EXPECT_EQ(p.get<QScrollBar>("IndexFusScroll").value(), 2);
        EXPECT_EQ(testing::sectionAt(p.current(), 2).curvature, c.copy ? 2.0 : 1.0);
        EXPECT_EQ(p.c.CurvatureSlider->value(), c.copy ? 200 : 100);
        EXPECT_FALSE(p.saved());
    }
}

// The keyboard does not press Plus.
TEST(FuselagePanel, PlusIgnoresTheKeyboard) {
    Panel p;
    auto& plus = p.get<QPushButton>("IndexFusPlusButton");
    QTest::keyClick(&plus, Qt::Key_Space);
    QTest::keyClick(&plus, Qt::Key_Return);
    EXPECT_EQ(p.plane.fuselages.nbFuselages(), 1);
}

// Minus asks first; Yes removes the last fuselage (never the only one) and
// leaves the new last one current and shown; No changes nothing.
TEST(FuselagePanel, MinusAsksAndRemovesTheLastFuselage) {
    struct Case {
        const char* name;
        int fuselages;
        bool answer;
        int left;
    };
    const Case cases[] = {{"three yes", 3, true, 2}, {"three no", 3, false, 3}, {"one yes", 1, true, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Panel p;
        p.addFuselages(c.fuselages - 1);
        ASSERT_EQ(p.plane.fuselages.currentFuselage, 1);
        p.main.state().savedProject = true;
        p.window.dialogs.answers.push_back(c.answer);
        QTest::mouseClick(&p.get<QPushButton>("IndexFusMinusButton"), Qt::LeftButton);
        ASSERT_EQ(p.window.dialogs.questions.size(), 1u);
        EXPECT_EQ(p.window.dialogs.questions[0], "This will destroy the last created fuselage.\nDo you want to proceed ?");
        EXPECT_EQ(p.plane.fuselages.nbFuselages(), c.left);
        EXPECT_EQ(p.manRows(), c.left);
        const bool removed = c.left < c.fuselages;
        EXPECT_EQ(p.plane.fuselages.currentFuselage, removed ? c.left : 1);
        EXPECT_EQ(p.get<QLabel>("IdFusLabel").text(), QString::number(removed ? c.left : 1));
        EXPECT_EQ(p.get<QScrollBar>("IndexFusScroll").maximum(), c.left);
        EXPECT_EQ(p.saved(), !removed);
    }
}

// A section of zero or negative size, or of one far beyond its height, is
// shown without a division by zero or a float-to-integer conversion out of
// range (the sanitizer build checks the conversions): the bias slider stays
// within the section box's size.
TEST(FuselagePanel, DegenerateSectionSizesAreShownSafely) {
    struct Case {
        double width, height;
    };
    const Case cases[] = {{0, 0}, {-50, 0}, {0, -30}, {-40, -20}, {1e-300, 1}, {1, 1e-300}, {1e12, 1e-12}, {-1e-12, -1e12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.width) + " x " + ::testing::PrintToString(c.height));
        Panel p;
        p.c.FuselageScroll->setValue(2);
        p.current().widthSet(c.width);
        p.current().heightSet(c.height);
        p.c.FuselageScroll->setValue(1);
        p.c.FuselageScroll->setValue(2);
        p.main.zoomSectionBox();
        p.main.panels().updateFuselageInterface();
        EXPECT_GE(p.c.BiasSlider->height(), 0);
        EXPECT_LE(p.c.BiasSlider->height(), std::max(p.c.DrawSectionArea->width(), p.c.DrawSectionArea->height()));
        EXPECT_TRUE(std::isfinite(p.current().szoom));
    }
}

// A fuselage without sections (a project file may hold one) shows zeros,
// and its section scroll bar still starts at section 1.
TEST(FuselagePanel, AFuselageWithoutSections) {
    Panel p;
    p.fuselage2Without(&MeshSections::nb_sections, 2);
    p.get<QScrollBar>("IndexFusScroll").setValue(2);
    EXPECT_EQ(sectionBoxes(p), (std::vector<QString>{"0", "0", "0", "0"}));
    EXPECT_EQ(p.c.FuselageScroll->minimum(), 1);
    EXPECT_EQ(p.c.FuselageScroll->maximum(), 1);
    p.get<QScrollBar>("IndexFusScroll").setValue(1);
    EXPECT_EQ(p.c.FuselageScroll->minimum(), 1);
    EXPECT_EQ(p.c.FuselageScroll->maximum(), 3);
}

// In both layout modes the tab's own controls stand in the column the views
// leave free, and its rows do not overlap the frames around them.
TEST(FuselagePanel, TheTabFitsTheVisibleColumn) {
    for (bool smallFonts : {false, true}) {
        SCOPED_TRACE(smallFonts);
        testing::EditorWindow editor;
        editor.screenOfMode(smallFonts);
        MainWindow& main = editor.start();
        main.setTab(ParameterTab::Fuselage);
        const MainControls& c = main.controls();
        QWidget* page = c.pages[0];
        for (const char* name : {"IndexFusMinusButton", "IndexFusScroll", "IndexFusPlusButton", "IdFusLabel",
                                 "SectionFrame", "Label19", "NbCrossFuselageText", "Label6", "ElevOffsetText",
                                 "UniqueCurvatureCheck", "TransparentCheck", "FuselageSectionLabel"}) {
            const QWidget* w = main.findChild<QWidget*>(name);
            ASSERT_NE(w, nullptr) << name;
            const QRect onWindow(w->mapTo(&main, QPoint(0, 0)), w->size());
            EXPECT_LE(onWindow.right(), c.DrawArea->x()) << name;
            EXPECT_LE(w->geometry().bottom(), page->height()) << name;
        }
        const auto below = [](const QWidget* upper, const QWidget* lower) {
            return upper->geometry().bottom() < lower->geometry().top();
        };
        auto* section = main.findChild<QWidget*>("SectionFrame");
        EXPECT_TRUE(below(main.findChild<QWidget*>("IndexFusPlusButton"), section));
        EXPECT_TRUE(below(section, main.findChild<QWidget*>("NbCrossFuselageText")));
        EXPECT_TRUE(below(main.findChild<QWidget*>("TransparentCheck"), c.FuselageVTopFrame));
        EXPECT_TRUE(below(c.FuselageVTopFrame, c.DrawSectionArea));
        testing::saveOutputPng(main.grab().toImage(), smallFonts ? "fuselage_tab_small_fonts" : "fuselage_tab_window");
    }
}

// A drag of the current fuselage in the Side view refills the tab while the
// mouse moves: the top point of section 2 raised by 12 pixels shows the new
// height before the button is released.
TEST(FuselagePanel, ADragInTheDrawingAreaRefillsTheTab) {
    Panel p;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.main));
    p.main.initSideView();
    const ViewState& v = p.main.state().view;
    const testing::SectionValues s = testing::sectionAt(p.current(), 2);
    const QPoint top(static_cast<int>(std::lround(v.xoff + s.pos * v.zoom)),
                     static_cast<int>(std::lround(v.yoff - (s.elevation + s.height) * v.zoom)));
    DrawingArea& area = *p.c.DrawArea;
    const auto move = [&](QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, at, area.mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&area, &event);
    };
    move(top, Qt::NoButton);
    QTest::mousePress(&area, Qt::LeftButton, {}, top);
    move(top + QPoint(0, -12), Qt::LeftButton);
    const double height = p.current().heightGet();
    EXPECT_GT(height, s.height);
    EXPECT_EQ(p.current().sel_sec, 2);
    EXPECT_EQ(p.text("HeightFuselageText"), Formatter(height, p.plane.units));
    EXPECT_EQ(p.get<QLabel>("FuselageSectionLabel").text(), " 2");
    QTest::mouseRelease(&area, Qt::LeftButton, {}, top + QPoint(0, -12));
}

}  // namespace
}  // namespace ferlo
