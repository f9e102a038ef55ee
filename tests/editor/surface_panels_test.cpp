#include <cmath>
#include <functional>
#include <optional>
#include <string>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "editor/drawing/drawing_area.h"
#include "editor/panels/fin_panel.h"
#include "editor/panels/length_text.h"
#include "editor/panels/parameter_panels.h"
#include "editor/panels/stab_panel.h"
#include "editor/panels/wing_panel.h"
#include "support/editor_window.h"
#include "support/panel_typing.h"
#include "support/scoped_locale.h"

namespace ferlo {
namespace {

using testing::typeOver;

struct Editor {
    testing::EditorWindow window;
    MainWindow& main = window.start();
    Plane& plane = main.plane();
    ParameterPanels& panels = main.panels();
    WingPanel& wing = panels.wing();
    StabPanel& stab = panels.stab();
    FinPanel& fin = panels.fin();
    bool& saved = main.state().savedProject;
};

TEST(LengthText, ReadsTheNumberATextStartsWith) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"12", 12},      {" 1 2.5 mm", 12.5}, {"-.5", -0.5},          {"+3e2", 300},
        {"1e", 1},       {"7.", 7},           {"12,5", 12},           {"1e12", 1e12},
        {"abc", {}},     {"", {}},            {"-", {}},              {".", {}},
        {"e5", {}},      {"1e13", {}},        {"-2e12", {}},          {"1e400", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(readLeadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}

// Every length box shows its field through the formatter in the model's
// unit, a thickness as a plain ratio.
TEST(SurfacePanels, BoxesShowLengthsInTheModelsUnit) {
    struct Case {
        LengthUnit unit;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {LengthUnit::Millimeters, 230, "230"}, {LengthUnit::Millimeters, 12.9, "12"},
        {LengthUnit::Millimeters, -0.5, "-1"}, {LengthUnit::Inches, 2.5, "2.50"},
        {LengthUnit::Inches, 0.5, ".50"},      {LengthUnit::Inches, 1234.5, "1234.50"},
    };
    Editor e;
    for (const Case& c : cases) {
        e.plane.units = c.unit;
        e.plane.stab.length1 = c.value;
        e.plane.stab.thickness1 = 0.125;
        e.panels.updateStabInterface();
        EXPECT_EQ(e.stab.boxes.LengthB->text(), c.text) << c.value;
        EXPECT_EQ(e.stab.boxes.ThicknessB->text(), "0.125");
    }
}

// Whatever box is typed in, its part holds the number the box shows, the
// project is no longer saved and the drawing area was redrawn. The span
// boxes of the wing and the stabiliser take the overall span with the shift
// their tab's shift box shows; the fin's span is its own.
TEST(SurfacePanels, TypingSetsTheFieldOfEveryBox) {
    struct Case {
        const char* name;
        std::function<QLineEdit*(Editor&)> box;
        std::function<double(const Plane&)> field;
        const char* typed;
        double expected;
    };
    const auto wing = [](const Plane& p) -> const SymWingSections& { return p.mainWing.wing(1); };
    const Case cases[] = {
        {"wing root chord", [](Editor& e) { return e.wing.boxes.LengthB; },
         [=](const Plane& p) { return wing(p).length1; }, "230", 230},
        {"wing tip elevation", [](Editor& e) { return e.wing.boxes.ElevationE; },
         [=](const Plane& p) { return wing(p).elevation2; }, "-12.5", -12.5},
        {"wing tip thickness", [](Editor& e) { return e.wing.boxes.ThicknessE; },
         [=](const Plane& p) { return wing(p).thickness2; }, ".08", 0.08},
        {"wing span", [](Editor& e) { return e.wing.boxes.Span; }, [=](const Plane& p) { return wing(p).span; },
         "1000", 470},
        {"stabiliser span", [](Editor& e) { return e.stab.boxes.Span; }, [](const Plane& p) { return p.stab.span; },
         "500", 220},
        {"stabiliser tip position", [](Editor& e) { return e.stab.boxes.PosE; },
         [](const Plane& p) { return p.stab.pos2; }, "40", 40},
        {"fin span", [](Editor& e) { return e.fin.boxes.Span; }, [](const Plane& p) { return p.fin.span; }, "150",
         150},
        {"fin root height", [](Editor& e) { return e.fin.boxes.Shift; }, [](const Plane& p) { return p.fin.shift; },
         "20", 20},
        {"fin tip offset", [](Editor& e) { return e.fin.Offset2; }, [](const Plane& p) { return p.fin.offset2; },
         "7", 7},
    };
    for (const Case& c : cases) {
        Editor e;
        // The span boxes read the shift their tab shows: 30 typed, not committed.
        for (QLineEdit* shift : {e.wing.boxes.Shift, e.stab.boxes.Shift}) shift->setText("30");
        ASSERT_TRUE(e.saved);
        typeOver(c.box(e), c.typed);
        EXPECT_DOUBLE_EQ(c.field(e.plane), c.expected) << c.name;
        EXPECT_EQ(c.box(e)->text(), c.typed) << c.name;
        EXPECT_FALSE(e.saved) << c.name;
    }
}

// Each key commits the text the box then shows: the part never holds an
// older text than its box. A text that does not start with a number, and an
// emptied box, commit nothing; Enter commits the text as it stands.
TEST(SurfacePanels, EachEditCommitsWhatTheBoxShows) {
    Editor e;
    QLineEdit* box = e.wing.boxes.LengthB;
    SymWingSections& panel = e.plane.mainWing.wing(1);
    e.panels.updateWingInterface();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_1);
    EXPECT_EQ(panel.length1, 1);
    QTest::keyClick(box, Qt::Key_2);
    EXPECT_EQ(panel.length1, 12);
    e.saved = true;
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(panel.length1, 12);
    EXPECT_FALSE(e.saved);

    for (const char* ignored : {"abc", "", "-", ".e"}) {
        typeOver(box, QString::fromLatin1(ignored));
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(panel.length1, 12) << ignored;
    }
    typeOver(box, "7.5 mm");
    EXPECT_EQ(panel.length1, 7.5);
}

// A committed wing shift refills the wing tab (the overall span follows it)
// but leaves the shift box as typed, so a decimal point survives. The
// stabiliser's shift refills nothing: its span box keeps the overall span,
// and committing that again keeps the tips where they were.
TEST(SurfacePanels, ShiftCommitsAndTheOverallSpan) {
    Editor e;
    SymWingSections& panel = e.plane.mainWing.wing(1);
    panel.span = 700;
    panel.shift = 0;
    e.plane.stab.span = 250;
    e.plane.stab.shift = 0;
    e.panels.updateWingInterface();
    e.panels.updateStabInterface();
    EXPECT_EQ(e.wing.boxes.Span->text(), "1400");

    typeOver(e.wing.boxes.Shift, "12.5");
    EXPECT_EQ(panel.shift, 12.5);
    EXPECT_EQ(e.wing.boxes.Shift->text(), "12.5");
    EXPECT_EQ(e.wing.boxes.Shift->cursorPosition(), 4);
    EXPECT_EQ(e.wing.boxes.Span->text(), "1425");

    typeOver(e.stab.boxes.Shift, "30");
    EXPECT_EQ(e.stab.boxes.Span->text(), "500");
    QTest::keyClick(e.stab.boxes.Span, Qt::Key_Return);
    EXPECT_EQ(e.plane.stab.span, 220);
    EXPECT_EQ(e.plane.stab.shift, 30);

    // A shift box without a number leaves the stabiliser's own shift to count.
    typeOver(e.stab.boxes.Shift, "");
    typeOver(e.stab.boxes.Span, "600");
    EXPECT_EQ(e.plane.stab.span, 270);
}

// Under a comma-decimal locale the boxes still show and read a point; a
// comma ends the number.
TEST(SurfacePanels, APointDecimalOnACommaLocale) {
    testing::ScopedLocale german("de_DE.UTF-8");
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Editor e;
    e.plane.units = LengthUnit::Inches;
    e.plane.fin.pos1 = 2.5;
    e.panels.updateRudderInterface();
    EXPECT_EQ(e.fin.boxes.PosB->text(), "2.50");
    typeOver(e.fin.boxes.PosB, "12,75");
    EXPECT_EQ(e.plane.fin.pos1, 12);
    typeOver(e.fin.boxes.PosB, "12.75");
    EXPECT_EQ(e.plane.fin.pos1, 12.75);
    QLocale::setDefault(previous);
}

// Plus appends a panel continuing the last one and makes it current; Minus
// removes the last panel, never the only one, and makes the new last one
// current. The tab, its scroll bar and label show the current panel.
TEST(SurfacePanels, WingPlusAndMinus) {
    struct Case {
        const char* name;
        int panelsBefore;
        int currentBefore;
        bool plus;
        int panelsAfter;
        int currentAfter;
        bool changed;
    };
    const Case cases[] = {
        {"plus on one", 1, 1, true, 2, 2, true},
        {"plus with panel 1 current", 3, 1, true, 4, 4, true},
        {"minus with panel 1 current", 3, 1, false, 2, 2, true},
        {"minus on the only panel", 1, 1, false, 1, 1, false},
    };
    for (const Case& c : cases) {
        Editor e;
        MainWing& wing = e.plane.mainWing;
        while (wing.nbWings < c.panelsBefore) e.wing.index.plus->click();
        wing.currentWing = static_cast<std::int16_t>(c.currentBefore);
        const SymWingSections last = wing.wing(wing.nbWings);
        e.saved = true;
        (c.plus ? e.wing.index.plus : e.wing.index.minus)->click();
        EXPECT_EQ(wing.nbWings, c.panelsAfter) << c.name;
        EXPECT_EQ(wing.currentWing, c.currentAfter) << c.name;
        EXPECT_EQ(e.saved, !c.changed) << c.name;
        EXPECT_EQ(e.wing.index.label->text(), QString::number(c.currentAfter)) << c.name;
        EXPECT_EQ(e.wing.index.scroll->maximum(), c.panelsAfter) << c.name;
        EXPECT_EQ(e.wing.index.scroll->value(), c.currentAfter) << c.name;
        const SymWingSections& shown = wing.current();
        EXPECT_EQ(e.wing.boxes.LengthB->text(), Formatter(shown.length1, e.plane.units)) << c.name;
        if (c.plus) {
            EXPECT_DOUBLE_EQ(shown.shift, last.shift + last.span) << c.name;
            EXPECT_DOUBLE_EQ(shown.length1, last.length2) << c.name;
        }
    }
}

// The scroll bar's arrows change the current panel at once; a dragged thumb
// changes it once, when it is released.
TEST(SurfacePanels, WingScrollBar) {
    Editor e;
    for (int i = 0; i < 2; ++i) e.wing.index.plus->click();
    e.plane.mainWing.currentWing = 1;
    e.panels.updateWingInterface();
    QScrollBar* scroll = e.wing.index.scroll;

    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(e.plane.mainWing.currentWing, 2);
    EXPECT_EQ(e.wing.index.label->text(), "2");

    scroll->setSliderDown(true);
    scroll->setSliderPosition(3);
    EXPECT_EQ(e.plane.mainWing.currentWing, 2);
    scroll->setSliderDown(false);
    EXPECT_EQ(e.plane.mainWing.currentWing, 3);
    EXPECT_EQ(e.wing.index.label->text(), "3");
    EXPECT_EQ(e.wing.boxes.LengthB->text(), Formatter(e.plane.mainWing.wing(3).length1, e.plane.units));
}

// A drag in the drawing area refills the dragged panel's tab at every step:
// the span box follows a Shift drag of panel 1's tip while the button is down.
TEST(SurfacePanels, ADragRefillsTheWingTabLive) {
    Editor e;
    e.main.controls().Timer1->stop();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&e.main));
    DrawingArea& area = *e.main.controls().DrawArea;
    e.main.initVTopView();
    const ViewState& v = e.main.state().view;
    SymWingSections& w = e.plane.mainWing.wing(1);
    const QPoint tip(static_cast<int>(std::lround(v.xoff + (w.shift + w.span) * v.zoom)),
                     static_cast<int>(std::lround(v.yoff + (w.pos1 + w.pos2 + w.length2 / 2) * v.zoom)));
    const auto move = [&](QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, at, area.mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&area, &event);
    };
    move(tip, Qt::NoButton);
    ASSERT_TRUE(w.selected);
    QTest::keyPress(&area, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::mousePress(&area, Qt::LeftButton, Qt::ShiftModifier, tip);
    const QString before = e.wing.boxes.Span->text();
    move(tip + QPoint(40, 0), Qt::LeftButton);
    EXPECT_NE(e.wing.boxes.Span->text(), before);
    EXPECT_EQ(e.wing.boxes.Span->text(), Formatter(2 * (w.span + w.shift), e.plane.units));
    QTest::mouseRelease(&area, Qt::LeftButton, Qt::ShiftModifier, tip + QPoint(40, 0));
    QTest::keyRelease(&area, Qt::Key_Shift, Qt::NoModifier);
}

TEST(SurfacePanels, PicturesOfTheTabs) {
    Editor e;
    e.wing.index.plus->click();
    testing::saveTabPng(e.main, ParameterTab::Wing, "panel_wing");
    testing::saveTabPng(e.main, ParameterTab::Stab, "panel_stab");
    testing::saveTabPng(e.main, ParameterTab::Fin, "panel_fin");
}

}  // namespace
}  // namespace ferlo
