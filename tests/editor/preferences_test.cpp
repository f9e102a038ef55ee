#include "editor/preferences.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "editor/equipment_panel.h"
#include "editor/length_text.h"
#include "editor/parameter_panels.h"
#include "editor/stab_panel.h"
#include "support/editor_window.h"
#include "support/file_size_limit.h"
#include "support/project_text.h"
#include "support/snapshot.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "support/watched_fifo.h"

namespace ferlo {
namespace {

using testing::crlfLines;
using testing::projectText;
using Calls = std::vector<std::string>;

// The started editor once its start-up timer has ticked.

// A click on an option button's circle.
void choose(QRadioButton* option) { QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2)); }

void typeScale(Preferences& prefs, const QString& text) {
    prefs.ScaleText->clear();
    QTest::keyClicks(prefs.ScaleText, text);
}

// Runs the toolbar's Prefs command; `inWindow` acts on the modal window.
template <typename Action>
void runPrefs(MainWindow& main, Action inWindow) {
    QTimer::singleShot(0, &main, [&main, inWindow] {
        Preferences& prefs = main.prefs();
        if (!prefs.isVisible()) ADD_FAILURE() << "the preferences window is not shown";
        inWindow(prefs);
    });
    main.Bar_ButtonClick("Prefs");
}

TEST(LengthText, FormatsInchesWithTwoDecimalsAndMillimetresRoundedDown) {
    struct Case {
        double value;
        LengthUnit unit;
        const char* text;
    };
    const Case cases[] = {
        {27.559055, LengthUnit::Inches, "27.56"}, {0.5, LengthUnit::Inches, ".50"},
        {0, LengthUnit::Inches, ".00"},           {-0.5, LengthUnit::Inches, "-.50"},
        {1400, LengthUnit::Inches, "1400.00"},    {12.9, LengthUnit::Millimeters, "12"},
        {-0.5, LengthUnit::Millimeters, "-1"},    {-0.0, LengthUnit::Millimeters, "0"},
        {1400, LengthUnit::Millimeters, "1400"},
    };
    for (const Case& c : cases) EXPECT_EQ(Formatter(c.value, c.unit), c.text) << c.value;
}

// What start-up makes of the preferences file, and the exact bytes the end of
// the run writes: without a file neither option is selected and the model
// stays in millimetres; the first-use state runs the demonstration (whose
// drags leave the project unsaved) and its inches convert the model once the
// start-up timer has ticked, which leaves the project's mark as it was; the
// end of the run writes "Done".
TEST(PreferencesFile, StartUpReadsItAndTheEndOfTheRunWritesIt) {
    struct Case {
        const char* name;
        std::optional<std::string> file;
        bool inches, millimeters;
        bool demonstration;
        std::string written;
    };
    const Case cases[] = {
        {"missing", std::nullopt, false, false, false, crlfLines({"\"Done\"", "#FALSE#", "#FALSE#"})},
        {"first use in inches", crlfLines({"\"DoIt\"", "#TRUE#", "#FALSE#"}), true, false, true,
         crlfLines({"\"Done\"", "#TRUE#", "#FALSE#"})},
        {"millimetres, LF only", std::string("\"Done\"\n#FALSE#\n#TRUE#\n"), false, true, false,
         crlfLines({"\"Done\"", "#FALSE#", "#TRUE#"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::EditorWindow editor;
        if (c.file) editor.config.write("prefs.txt", *c.file);
        const testing::PopupCloser popups;
        MainWindow& main = editor.startSettled();
        Preferences& prefs = main.prefs();
        EXPECT_EQ(prefs.InchesOption->isChecked(), c.inches);
        EXPECT_EQ(prefs.MillimetersOption->isChecked(), c.millimeters);
        EXPECT_EQ(!editor.dialogs.informations.empty(), c.demonstration);
        EXPECT_EQ(main.plane().units, c.inches ? LengthUnit::Inches : LengthUnit::Millimeters);
        // The demonstration's drags change the span.
        if (!c.demonstration) { EXPECT_NEAR(main.plane().mainWing.wing(1).span, 700, 1e-12); }
        EXPECT_NEAR(main.plane().stab.span, c.inches ? 250 / 25.4 : 250, 1e-12);
        EXPECT_EQ(main.state().savedProject, !c.demonstration);

        // Quit, and give up the demonstration's changes.
        editor.dialogs.answers = {true};
        editor.dialogs.saveAnswers = {SaveAnswer::Discard};
        ASSERT_TRUE(main.close());
        EXPECT_EQ(testing::TempDir::read(editor.config.path() / "prefs.txt"), c.written);
    }
}

// A preferences file that cannot be written at the end of the run is
// reported; the previous one stays.
TEST(PreferencesFile, AFailedWriteAtTheEndOfTheRunIsReported) {
    testing::EditorWindow editor;
    editor.config.write("prefs.txt", crlfLines({"\"DoIt\"", "#TRUE#", "#FALSE#"}));
    const testing::PopupCloser popups;
    MainWindow& main = editor.startSettled();
    editor.dialogs.saveAnswers = {SaveAnswer::Discard};  // the demonstration's changes
    {
        testing::FileSizeLimit full(10);
        ASSERT_TRUE(main.close());
    }
    ASSERT_EQ(editor.dialogs.warnings.size(), 1u);
    EXPECT_TRUE(editor.dialogs.warnings[0].startsWith("The preferences could not be saved."));
    EXPECT_EQ(testing::TempDir::read(editor.config.path() / "prefs.txt"), crlfLines({"\"DoIt\"", "#TRUE#", "#FALSE#"}));
}

// A preferences file the program cannot use is not used, the user is told
// once why, and the end of the run leaves it as it is rather than write the
// defaults over what the user had.
TEST(PreferencesFile, AFileThatCannotBeUsedIsReportedOnceAndLeftAsItIs) {
    const std::string large = crlfLines({"\"Done\"", "#TRUE#", "#FALSE#"}) + std::string(1000, '#');
    const std::string readable = crlfLines({"\"Done\"", "#TRUE#", "#FALSE#"});
    struct Case {
        const char* name;
        std::function<void(const testing::TempDir&)> make;  // none: a FIFO
        const char* reason;
        std::string text;  // what the file holds afterwards ("" for the FIFO)
    };
    std::vector<Case> cases = {
        {"a FIFO", nullptr, "not a regular file", ""},
        {"too large", [&](const testing::TempDir& d) { d.write("prefs.txt", large); },
         "larger than preferences can be", large},
    };
    if (::geteuid() != 0) {  // the superuser reads any file
        cases.push_back({"unreadable",
                         [&](const testing::TempDir& d) {
                             std::filesystem::permissions(d.write("prefs.txt", readable), std::filesystem::perms::none);
                         },
                         "Permission denied", readable});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::EditorWindow editor;
        const auto path = editor.config.path() / "prefs.txt";
        std::optional<testing::WatchedFifo> fifo;
        if (c.make) {
            c.make(editor.config);
        } else {
            fifo.emplace(path);
        }
        MainWindow& main = editor.startSettled();
        ASSERT_EQ(editor.dialogs.warnings.size(), 1u);
        EXPECT_TRUE(editor.dialogs.warnings[0].contains(QString::fromStdString(path.string())));
        EXPECT_TRUE(editor.dialogs.warnings[0].contains(c.reason)) << editor.dialogs.warnings[0].toStdString();
        EXPECT_FALSE(main.prefs().InchesOption->isChecked());
        EXPECT_EQ(main.plane().units, LengthUnit::Millimeters);

        editor.dialogs.answers = {true};
        ASSERT_TRUE(main.close());
        EXPECT_EQ(editor.dialogs.warnings.size(), 1u);
        const auto status = std::filesystem::symlink_status(path);
        if (fifo) {
            EXPECT_EQ(status.type(), std::filesystem::file_type::fifo);
            EXPECT_EQ(fifo->readersSeen(), 0);
        } else {
            EXPECT_EQ(status.type(), std::filesystem::file_type::regular);
            std::filesystem::permissions(path, std::filesystem::perms::owner_read);
            EXPECT_EQ(testing::TempDir::read(path), c.text);
        }
    }
}

// Millimetres to inches and back through the window: every length is
// converted, the wing span comes back to 700; each conversion marks the
// project unsaved. After the window closes the VTop view is current.
TEST(Preferences, MillimetresToInchesAndBack) {
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    main.initSideView();
    runPrefs(main, [](Preferences& prefs) {
        testing::saveOutputPng(prefs.grab().toImage(), "preferences");
        choose(prefs.InchesOption);
        QTest::mouseClick(prefs.CloseCommand, Qt::LeftButton);
    });
    EXPECT_FALSE(main.prefs().isVisible());
    EXPECT_EQ(main.plane().units, LengthUnit::Inches);
    EXPECT_NEAR(main.plane().mainWing.wing(1).span, 700 / 25.4, 1e-12);
    EXPECT_NEAR(main.plane().stab.span, 250 / 25.4, 1e-12);
    EXPECT_FALSE(main.state().savedProject);
    EXPECT_EQ(main.state().mode, ViewKind::VTop);
    EXPECT_EQ(main.tab(), ParameterTab::Wing);
    // Every tab shows the new unit, not the wing's alone.
    const Plane& plane = main.plane();
    EXPECT_EQ(main.panels().stab().boxes.Span->text(), Formatter(2 * plane.stab.span, LengthUnit::Inches));
    EXPECT_EQ(main.panels().equipment().LengthServoText->text(),
              Formatter(plane.equipment.current().length, LengthUnit::Inches));

    main.state().savedProject = true;
    runPrefs(main, [](Preferences& prefs) {
        EXPECT_EQ(prefs.SpanLabel->text(), "55.12");
        choose(prefs.MillimetersOption);
        QTest::mouseClick(prefs.CloseCommand, Qt::LeftButton);
    });
    EXPECT_EQ(main.plane().units, LengthUnit::Millimeters);
    EXPECT_NEAR(main.plane().mainWing.wing(1).span, 700, 1e-9);
    EXPECT_NEAR(main.plane().stab.span, 250, 1e-9);
    EXPECT_FALSE(main.state().savedProject);
}

// "50" then Close halves every length (exactly what rescaling by one half
// gives) before the views and the 3D view are refreshed: the refitted VTop
// view shows the half-size model twice as large. The box shows "100" again.
TEST(Preferences, FiftyPercentHalvesEveryLengthBeforeTheRefresh) {
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    Plane expected = main.plane();
    rescaleAll(expected, 0.5);
    const double zoom = main.state().view.zoom;
    editor.render->calls.clear();
    runPrefs(main, [](Preferences& prefs) {
        typeScale(prefs, "50");
        EXPECT_EQ(prefs.SpanLabel->text(), "700");
        QTest::mouseClick(prefs.CloseCommand, Qt::LeftButton);
    });
    EXPECT_EQ(projectText(main.plane()), projectText(expected));
    EXPECT_NEAR(main.state().view.zoom, 2 * zoom, 1e-9 * zoom);
    EXPECT_EQ(editor.render->calls, (Calls{"camera", "rebuild"}));
    EXPECT_EQ(editor.render->cameras.back(), (testing::RecordingRenderView::Camera{0, 0, 200, 900, 200}));
    EXPECT_EQ(main.prefs().ScaleText->text(), "100");
    EXPECT_FALSE(main.state().savedProject);
}

// A box that is not a positive number scales nothing (and a scale that would
// overflow is refused with a message); with the unit unchanged the window
// still resets the camera and renders, and the project stays saved.
TEST(Preferences, OnlyAPositiveScaleRescales) {
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    const std::string before = projectText(main.plane());
    for (const char* text : {"", "abc", "0", "-50", "50 %", "1e400", "100"}) {
        SCOPED_TRACE(text);
        typeScale(main.prefs(), text);
        EXPECT_EQ(main.prefs().SpanLabel->text(), "1400");
        editor.render->calls.clear();
        main.prefs().CloseCommand_Click();
        EXPECT_EQ(projectText(main.plane()), before);
        EXPECT_EQ(editor.render->calls, (Calls{"camera", "rebuild"}));
        EXPECT_TRUE(main.state().savedProject);
    }
    EXPECT_TRUE(editor.dialogs.warnings.empty());
    typeScale(main.prefs(), "1e308");
    main.prefs().CloseCommand_Click();
    EXPECT_EQ(projectText(main.plane()), before);
    EXPECT_EQ(editor.dialogs.warnings.size(), 1u);
    EXPECT_TRUE(main.state().savedProject);
}

// A scale or a conversion whose result a project file could not hold (a
// length beyond 1e12) is refused with a message and changes nothing: the
// aircraft and its mark stay, nothing is redrawn, and the window stays open
// with the choice as made. What was taken before can still be saved.
TEST(Preferences, AChangeBeyondWhatAProjectFileHoldsIsRefused) {
    testing::TempDir dir;
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    // Applies what `inWindow` chooses; true when the window stayed open.
    const auto apply = [&](auto inWindow) {
        bool stayed = false;
        runPrefs(main, [&](Preferences& prefs) {
            inWindow(prefs);
            QTest::mouseClick(prefs.CloseCommand, Qt::LeftButton);
            stayed = prefs.isVisible();
            if (stayed) QTest::mouseClick(prefs.CancelCommand, Qt::LeftButton);
        });
        return stayed;
    };
    EXPECT_FALSE(apply([](Preferences& prefs) { typeScale(prefs, "100000000"); }));
    EXPECT_NEAR(main.plane().mainWing.wing(1).span, 7e8, 1);
    EXPECT_TRUE(editor.dialogs.warnings.empty());
    main.state().savedProject = true;
    const std::string taken = projectText(main.plane());
    editor.render->calls.clear();

    EXPECT_TRUE(apply([](Preferences& prefs) { typeScale(prefs, "100000000"); }));
    EXPECT_EQ(editor.dialogs.warnings,
              std::vector<QString>{"The model was not scaled by 100000000 %: a length would exceed 1000000000000, "
                                   "the largest a project file holds. Nothing was changed."});
    EXPECT_EQ(projectText(main.plane()), taken);
    EXPECT_TRUE(main.state().savedProject);
    EXPECT_TRUE(editor.render->calls.empty());

    editor.dialogs.saveChoices = {{QString::fromStdString((dir.path() / "big.flx").string()), 1}};
    main.Bar_ButtonClick("Save");
    EXPECT_EQ(editor.dialogs.warnings.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "big.flx"));

    // Inches that would be beyond the limit in millimetres.
    switchUnits(main.plane(), LengthUnit::Inches);
    main.prefs().selectUnitOption(LengthUnit::Inches);
    rescaleAll(main.plane(), 1e4);
    const std::string inches = projectText(main.plane());
    EXPECT_TRUE(apply([](Preferences& prefs) { choose(prefs.MillimetersOption); }));
    ASSERT_EQ(editor.dialogs.warnings.size(), 2u);
    EXPECT_TRUE(editor.dialogs.warnings[1].startsWith("The model was not converted: a length would exceed"));
    EXPECT_EQ(projectText(main.plane()), inches);
    EXPECT_EQ(main.plane().units, LengthUnit::Inches);
}

// Cancel applies nothing: the options are as the window was shown with
// them (also neither, after a start without a preferences file) and the box
// "100", so a later Close converts nothing either and the end of the run
// writes what the user had.
TEST(Preferences, CancelAppliesNothingAndRestoresTheOptions) {
    struct Case {
        const char* name;
        std::optional<std::string> file;
        bool inches, millimeters;
    };
    const Case cases[] = {
        {"no preferences file", std::nullopt, false, false},
        {"inches", crlfLines({"\"Done\"", "#TRUE#", "#FALSE#"}), true, false},
        {"millimetres", crlfLines({"\"Done\"", "#FALSE#", "#TRUE#"}), false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::EditorWindow editor;
        if (c.file) editor.config.write("prefs.txt", *c.file);
        MainWindow& main = editor.startSettled();
        const std::string before = projectText(main.plane());
        runPrefs(main, [&c](Preferences& prefs) {
            choose(c.inches ? prefs.MillimetersOption : prefs.InchesOption);
            typeScale(prefs, "50");
            QTest::mouseClick(prefs.CancelCommand, Qt::LeftButton);
        });
        Preferences& prefs = main.prefs();
        EXPECT_FALSE(prefs.isVisible());
        EXPECT_EQ(prefs.InchesOption->isChecked(), c.inches);
        EXPECT_EQ(prefs.MillimetersOption->isChecked(), c.millimeters);
        EXPECT_EQ(prefs.ScaleText->text(), "100");
        EXPECT_EQ(projectText(main.plane()), before);
        runPrefs(main, [](Preferences& p) {
            choose(p.InchesOption);
            QTest::keyClick(&p, Qt::Key_Escape);
        });
        EXPECT_EQ(prefs.InchesOption->isChecked(), c.inches);
        prefs.CloseCommand_Click();
        EXPECT_EQ(projectText(main.plane()), before);
        EXPECT_TRUE(main.state().savedProject);

        editor.dialogs.answers = {true};
        ASSERT_TRUE(main.close());
        EXPECT_EQ(testing::TempDir::read(editor.config.path() / "prefs.txt"),
                  crlfLines({"\"Done\"", c.inches ? "#TRUE#" : "#FALSE#", c.millimeters ? "#TRUE#" : "#FALSE#"}));
    }
}

// The span label shows the current wing's full span at the typed scale, in
// the unit in use.
TEST(Preferences, TheSpanLabelFollowsTheScaleBox) {
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    main.plane().mainWing.wing(1).shift = 50;
    runPrefs(main, [](Preferences& prefs) {
        EXPECT_EQ(prefs.SpanLabel->text(), "1500");
        typeScale(prefs, "50");
        EXPECT_EQ(prefs.SpanLabel->text(), "750");
        typeScale(prefs, "5O");
        EXPECT_EQ(prefs.SpanLabel->text(), "1500");
        prefs.CancelCommand_Click();
    });
}

// In small-fonts mode the window and its controls but the picture grow by 1.23.
TEST(Preferences, GrowsInSmallFontsMode) {
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    Preferences& prefs = main.prefs();
    const QSize size = prefs.size();
    const QRect close = prefs.CloseCommand->geometry();
    const QRect picture = prefs.Image1->geometry();
    prefs.load(true);
    EXPECT_EQ(prefs.size(), QSize(qRound(size.width() * 1.23), qRound(size.height() * 1.23)));
    EXPECT_EQ(prefs.CloseCommand->geometry(), QRect(qRound(close.x() * 1.23), qRound(close.y() * 1.23),
                                                    qRound(close.width() * 1.23), qRound(close.height() * 1.23)));
    EXPECT_EQ(prefs.Image1->geometry(), picture);
    EXPECT_TRUE(prefs.MillimetersOption->isChecked());
}

}  // namespace
}  // namespace ferlo
