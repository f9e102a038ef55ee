// What a parameter box shows when its text sets nothing, on every kind of
// tab.

#include <cmath>
#include <functional>
#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "editor/drawing/drawing_area.h"
#include "editor/panels/length_text.h"
#include "support/editor_window.h"
#include "support/panel_typing.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

// The pixels of the box's frame that are clearly red.
int redPixels(QLineEdit* box) {
    const QImage image = box->grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 80 && c.blue() < 80;
        }
    }
    return red;
}

// Each keystroke sets what the text so far starts with; a text that sets
// nothing (beyond 1e12, not finite, no number, a count out of its range)
// leaves the part with the last value set, and the box says so with a red
// frame and a tooltip giving the reason. Enter, or leaving the box, shows
// again what the part holds, unmarked.
TEST(ParameterBoxes, ATextThatSetsNothingIsShownAsNotApplied) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    ASSERT_TRUE(editor.activate());
    Plane& plane = main.plane();
    struct Case {
        ParameterTab tab;
        const char* box;
        const char* typed;
        std::function<double()> field;
        double held;         // what the part holds after the typing
        const char* reason;  // in the tooltip; empty when the text was applied
        bool enter;          // Enter ends the typing; else the box loses the focus
        QString shown;       // what the box shows then
    };
    const double stabPos = plane.stab.pos1;
    const Case cases[] = {
        {ParameterTab::Wing, "LengthBText", "1.5e12", [&] { return plane.mainWing.wing(1).length1; }, 15, "1e12",
         true, "15"},
        {ParameterTab::Wing, "LengthBText", "1e400", [&] { return plane.mainWing.wing(1).length1; }, 10000, "1e12",
         false, "10000"},
        {ParameterTab::Stab, "PosBStabText", "abc", [&] { return plane.stab.pos1; }, stabPos,
         "does not start with a number", true, Formatter(stabPos, plane.units)},
        {ParameterTab::Fuselage, "NbCrossFuselageText", "150", [&] { return double(plane.fuselages.current().nb_cross); },
         15, "0 to 100", false, "15"},
        {ParameterTab::Electronics, "PosServoText", "12abc", [&] { return plane.equipment.current().pos; }, 12, "",
         true, "12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        main.setTab(c.tab);
        auto* box = main.findChild<QLineEdit*>(c.box);
        ASSERT_NE(box, nullptr);
        testing::typeOver(box, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.field(), c.held);
        EXPECT_EQ(box->text(), QString::fromLatin1(c.typed));
        const std::string tip = box->toolTip().toStdString();
        if (*c.reason != '\0') {
            EXPECT_NE(tip.find(c.reason), std::string::npos) << tip;
            EXPECT_GT(redPixels(box), 2 * box->height()) << "no red frame";
        } else {
            EXPECT_EQ(tip, "");
            EXPECT_EQ(redPixels(box), 0);
        }
        if (c.enter) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            main.controls().DrawArea->setFocus();
            EXPECT_FALSE(box->hasFocus());
        }
        EXPECT_EQ(box->text(), c.shown);
        EXPECT_EQ(c.field(), c.held);
        EXPECT_EQ(box->toolTip(), "");
        EXPECT_EQ(redPixels(box), 0);
    }

    // A keystroke that makes the text set something again takes the mark away.
    main.setTab(ParameterTab::Wing);
    auto* chord = main.findChild<QLineEdit*>("LengthBText");
    testing::typeOver(chord, "2e13");
    EXPECT_FALSE(chord->toolTip().isEmpty());
    testing::saveOutputPng(main.controls().Parameters->grab().toImage(), "parameter_box_not_applied");
    QTest::keyClick(chord, Qt::Key_Backspace);
    EXPECT_EQ(plane.mainWing.wing(1).length1, 20);
    EXPECT_EQ(chord->toolTip(), "");
    EXPECT_EQ(chord->text(), "2e1");
}

}  // namespace
}  // namespace ferlo
