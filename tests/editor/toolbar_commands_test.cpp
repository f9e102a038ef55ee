#include "editor/commands/toolbar_commands.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <QAction>
#include <QImage>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "document/project_file.h"
#include "editor/commands/preferences.h"
#include "editor/drawing/drawing_area.h"
#include "editor/drawing/tracing_pictures.h"
#include "editor/panels/fuselage_manager.h"
#include "support/editor_window.h"
#include "support/fake_image_converter.h"
#include "support/file_size_limit.h"
#include "support/project_text.h"
#include "support/snapshot.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

namespace fs = std::filesystem;
using testing::projectText;
using Calls = std::vector<std::string>;

const QString kUnsavedQuestion =
    QStringLiteral("The current project has not been saved and will be lost\nDo you want to proceed ?");

QString qPath(const fs::path& path) { return QString::fromStdString(path.string()); }

// A small picture file, for textures.
QString writeImage(const testing::TempDir& dir, const std::string& name) {
    const QString path = qPath(dir.path() / name);
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}

// A project file of the default aircraft with a wing panel 333 long.
QString writeProject(const testing::TempDir& dir, const std::string& name) {
    Plane plane;
    newPlane(plane);
    plane.mainWing.wing(1).span = 333;
    testing::FakeImageConverter converter;
    saveProject(plane, dir.path() / name, converter);
    return qPath(dir.path() / name);
}

const std::string& texturePathOfTab(MainWindow& main, ParameterTab tab) {
    Plane& plane = main.plane();
    switch (tab) {
    case ParameterTab::Fuselage: return plane.fuselages.current().texture_filename();
    case ParameterTab::Wing: return plane.mainWing.current().texture_filename();
    case ParameterTab::Stab: return plane.stab.texture_filename();
    default: return plane.fin.texture_filename();
    }
}

// The filters the dialogs show, in Qt's form.
TEST(ToolbarCommands, FileDialogsShowTheFiltersInQtForm) {
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    main.Bar_ButtonClick("Open");
    main.Bar_ButtonClick("Save");
    ASSERT_EQ(editor.dialogs.openRequests.size(), 1u);
    ASSERT_EQ(editor.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(editor.dialogs.openRequests[0].filters,
              (QStringList{"Ferlo Project (*.flx)", "Airfoil (*.xy)", "Texture Image (*.bmp *.jpg)"}));
    EXPECT_EQ(editor.dialogs.openRequests[0].filterIndex, 1);
    EXPECT_EQ(editor.dialogs.saveRequests[0].filters,
              (QStringList{"Ferlo Project (*.flx)", "VRML2.0 Format (*.wrl)", "DXF Format (*.dxf)"}));
    EXPECT_EQ(editor.dialogs.saveRequests[0].filterIndex, 1);
}

// New asks first; No changes nothing, Yes puts the default aircraft in the
// VTop view with the manager's one row, in inches when the preferences ask
// for them. The project's mark stays as it was.
TEST(ToolbarCommands, NewAfterTheQuestion) {
    struct Case {
        bool yes;
        bool inches;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{true, true}}) {
        SCOPED_TRACE(::testing::PrintToString(c.yes) + " " + ::testing::PrintToString(c.inches));
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        Plane& plane = main.plane();
        plane.mainWing.wing(1).span = 333;
        plane.fuselages.addFuselage(false, plane.units, plane.defaultColor);
        main.fuselageManager().update();
        main.setTab(ParameterTab::Fuselage);
        main.initSideView();
        main.state().savedProject = false;
        if (c.inches) main.prefs().selectUnitOption(LengthUnit::Inches);
        editor.dialogs.answers = {c.yes};
        main.Bar_ButtonClick("New");
        EXPECT_EQ(editor.dialogs.questions, (std::vector<QString>{"Do you really want to reset your project ?"}));
        EXPECT_FALSE(main.state().savedProject);
        if (!c.yes) {
            EXPECT_EQ(plane.mainWing.wing(1).span, 333);
            EXPECT_EQ(main.state().mode, ViewKind::Side);
            EXPECT_TRUE(editor.render->calls.empty());
            continue;
        }
        EXPECT_EQ(plane.units, c.inches ? LengthUnit::Inches : LengthUnit::Millimeters);
        EXPECT_NEAR(plane.mainWing.wing(1).span, c.inches ? 700 / 25.4 : 700, 1e-12);
        EXPECT_EQ(plane.fuselages.nbFuselages(), 1);
        EXPECT_EQ(main.fuselageManager().ListView->topLevelItemCount(), 1);
        EXPECT_EQ(main.state().mode, ViewKind::VTop);
        EXPECT_EQ(editor.render->calls.back(), "rebuild");
    }
}

// A project replaces the aircraft without a question while the project is
// saved; unsaved work is given up only on Yes, and No leaves everything as
// it was, nothing refreshed. A project read whole is saved; the unit options
// follow its unit and the manager its fuselages.
TEST(ToolbarCommands, OpenAProjectAsksOnlyBeforeDiscardingUnsavedWork) {
    struct Case {
        bool saved;
        std::optional<bool> answer;  // none: no question
        bool read;
    };
    for (const Case c : {Case{true, std::nullopt, true}, Case{false, true, true}, Case{false, false, false}}) {
        SCOPED_TRACE(::testing::PrintToString(c.saved) + " " + ::testing::PrintToString(c.answer));
        testing::TempDir dir;
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        Plane project;
        newPlane(project);
        project.mainWing.wing(1).span = 333;
        project.fuselages.addFuselage(false, project.units, project.defaultColor);
        switchUnits(project, LengthUnit::Inches);
        testing::FakeImageConverter converter;
        saveProject(project, dir.path() / "p.flx", converter);

        main.plane().stab.span = 111;
        main.state().savedProject = c.saved;
        editor.dialogs.files = {writeImage(dir, "picture.bmp")};
        main.pictures().loadBitmap();
        if (c.answer) editor.dialogs.answers = {*c.answer};
        editor.dialogs.openChoices = {{qPath(dir.path() / "p.flx"), 1}};
        main.Bar_ButtonClick("Open");
        EXPECT_EQ(editor.dialogs.questions, c.answer ? std::vector<QString>{kUnsavedQuestion} : std::vector<QString>{});
        // The tracing picture of the view goes with the aircraft it was under.
        EXPECT_EQ(main.state().picture(ViewKind::VTop).bitmapLoaded, !c.read);
        if (!c.read) {
            EXPECT_EQ(main.plane().stab.span, 111);
            EXPECT_FALSE(main.state().savedProject);
            EXPECT_TRUE(editor.render->calls.empty());
            continue;
        }
        EXPECT_EQ(projectText(main.plane()), projectText(project));
        EXPECT_TRUE(main.state().savedProject);
        EXPECT_TRUE(main.prefs().InchesOption->isChecked());
        EXPECT_EQ(main.fuselageManager().ListView->topLevelItemCount(), 2);
        EXPECT_EQ(main.state().mode, ViewKind::VTop);
        EXPECT_EQ(editor.render->calls, (Calls{"rebuild", "rebuild"}));
        EXPECT_TRUE(editor.dialogs.warnings.empty());
    }
}

// A damaged file is reported with its file and line and leaves what was read
// on top of the default aircraft, unsaved; a file of which nothing can be
// read (missing, a refused old version, not a project) is reported and
// leaves the aircraft as it was.
TEST(ToolbarCommands, OpenAFileThatCannotBeReadWhole) {
    testing::TempDir dir;
    const QString good = writeProject(dir, "good.flx");
    const std::string text = testing::TempDir::read(good.toStdString());
    const std::string cut = text.substr(0, text.find("Fuselage"));
    dir.write("cut.flx", cut);
    dir.write("old.flx", "# FERLO File Format V0.1.3\r\n");
    dir.write("notes.flx", "shopping list\r\n");
    struct Case {
        const char* file;
        bool keepsAircraft;
        QString message;
    };
    const Case cases[] = {
        {"cut.flx", false, QString::fromStdString((dir.path() / "cut.flx").string()) + ", line "},
        {"missing.flx", true, "the file cannot be opened"},
        {"old.flx", true, kVersion01Refusal},
        {"notes.flx", true, "this is not a project file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        main.plane().stab.span = 111;
        editor.dialogs.openChoices = {{qPath(dir.path() / c.file), 1}};
        main.Bar_ButtonClick("Open");
        ASSERT_EQ(editor.dialogs.warnings.size(), 1u);
        EXPECT_TRUE(editor.dialogs.warnings[0].contains(c.message)) << editor.dialogs.warnings[0].toStdString();
        if (c.keepsAircraft) {
            EXPECT_EQ(main.plane().stab.span, 111);
            EXPECT_TRUE(main.state().savedProject);
        } else {
            EXPECT_EQ(main.plane().mainWing.wing(1).span, 333);  // read before the cut
            EXPECT_EQ(main.plane().stab.span, 250);              // the default's
            EXPECT_FALSE(main.state().savedProject);
        }
        EXPECT_EQ(main.state().mode, ViewKind::VTop);
    }
}

// An airfoil goes onto the current wing panel; a file that cannot be read is
// reported with its line and changes nothing.
TEST(ToolbarCommands, OpenAnAirfoil) {
    testing::TempDir dir;
    dir.write("five.xy", "Five points\n1 0\n0.5 0.1\n0 0\n0.5 -0.1\n1 0\n");
    dir.write("bad.xy", "Bad\n1 0\nhalf 0.1\n");
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    editor.dialogs.openChoices = {{qPath(dir.path() / "bad.xy"), 2}};
    main.Bar_ButtonClick("Open");
    ASSERT_EQ(editor.dialogs.warnings.size(), 1u);
    EXPECT_TRUE(editor.dialogs.warnings[0].contains("line 3"));
    EXPECT_TRUE(main.state().savedProject);
    const int points = main.plane().mainWing.wing(1).nb;

    editor.dialogs.openChoices = {{qPath(dir.path() / "five.xy"), 2}};
    main.Bar_ButtonClick("Open");
    EXPECT_NE(points, 5);
    EXPECT_EQ(main.plane().mainWing.wing(1).nb, 5);
    EXPECT_FALSE(main.state().savedProject);
    EXPECT_EQ(editor.dialogs.openRequests.back().filterIndex, 2);
}

// A texture goes to the part of the open tab; on the electronics tab no part
// changes.
TEST(ToolbarCommands, OpenATextureForThePartOfTheOpenTab) {
    testing::TempDir dir;
    const QString image = writeImage(dir, "wood.bmp");
    for (ParameterTab tab : {ParameterTab::Fuselage, ParameterTab::Wing, ParameterTab::Stab, ParameterTab::Fin,
                             ParameterTab::Electronics}) {
        SCOPED_TRACE(static_cast<int>(tab));
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        const std::string before = projectText(main.plane());
        main.setTab(tab);
        editor.dialogs.openChoices = {{image, 3}};
        main.Bar_ButtonClick("Open");
        if (tab == ParameterTab::Electronics) {
            EXPECT_EQ(projectText(main.plane()), before);
            EXPECT_TRUE(main.state().savedProject);
            continue;
        }
        EXPECT_EQ(texturePathOfTab(main, tab), image.toStdString());
        EXPECT_FALSE(main.state().savedProject);
        main.setTab(tab == ParameterTab::Fin ? ParameterTab::Wing : ParameterTab::Fin);
        EXPECT_TRUE(texturePathOfTab(main, main.tab()).empty());
    }
}

// A cancelled open changes nothing but on the texture filter, where it takes
// the texture of the part of the open tab away; the panels and the VTop
// view are refreshed, the 3D view rebuilt, either way. The tracing picture
// of the view stays.
TEST(ToolbarCommands, CancelledOpenWithEachFilter) {
    testing::TempDir dir;
    const QString image = writeImage(dir, "wood.bmp");
    for (int filter : {1, 2, 3}) {
        SCOPED_TRACE(filter);
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        main.plane().fin.setTexture(image.toStdString());
        main.setTab(ParameterTab::Fin);
        main.initSideView();
        editor.dialogs.files = {image};
        main.pictures().loadBitmap();
        editor.dialogs.openChoices = {{QString(), filter}};
        main.Bar_ButtonClick("Open");
        EXPECT_TRUE(main.state().picture(ViewKind::Side).bitmapLoaded);
        EXPECT_EQ(main.plane().fin.texture_filename().empty(), filter == 3);
        EXPECT_EQ(main.state().savedProject, filter != 3);
        EXPECT_EQ(main.state().mode, ViewKind::VTop);
        EXPECT_EQ(editor.render->calls, (Calls{"rebuild", "rebuild"}));
    }
}

// The open and the save dialog each keep their own filter: a DXF saved on
// filter 3 does not make a cancelled open take a texture away.
TEST(ToolbarCommands, EachDialogKeepsItsOwnFilter) {
    testing::TempDir dir;
    const QString image = writeImage(dir, "wood.bmp");
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    main.setTab(ParameterTab::Wing);
    editor.dialogs.openChoices = {{image, 3}, {QString(), 1}};
    main.Bar_ButtonClick("Open");
    editor.dialogs.saveChoices = {{qPath(dir.path() / "view.dxf"), 3}};
    main.Bar_ButtonClick("Save");
    main.Bar_ButtonClick("Save");
    EXPECT_EQ(editor.dialogs.saveRequests[1].filterIndex, 3);
    main.Bar_ButtonClick("Open");  // on the texture filter: chosen in the last open
    EXPECT_EQ(editor.dialogs.openRequests[1].filterIndex, 3);
    EXPECT_EQ(main.plane().mainWing.wing(1).texture_filename(), image.toStdString());
    main.Bar_ButtonClick("Open");  // on the project filter: cancelled open
    EXPECT_EQ(editor.dialogs.openRequests[2].filterIndex, 1);
}

// The name typed chooses the type by its extension, whatever filter the
// save dialog shows (letter case aside); a name without an extension gets
// the shown filter's; an extension of no type keeps the filter shown. The
// next save starts on the type written.
TEST(ToolbarCommands, TheSavedNamesExtensionChoosesTheType) {
    const std::string project = "# FERLO File Format V 2.2.1\r\n";
    const std::string world = "#VRML V2.0 utf8\r\n";
    const std::string drawing = " 0 \r\nSECTION\r\n";
    struct Case {
        int shown;
        const char* typed;
        const char* written;
        const std::string& begins;
        int type;
    };
    const Case cases[] = {
        {2, "plane.flx", "plane.flx", project, 1}, {3, "plane.FLX", "plane.FLX", project, 1},
        {1, "plane", "plane.flx", project, 1},     {2, "world", "world.wrl", world, 2},
        {3, "view", "view.dxf", drawing, 3},       {1, "plane.wrl", "plane.wrl", world, 2},
        {1, "notes.txt", "notes.txt", project, 1}, {3, "v1.2", "v1.2", drawing, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        testing::TempDir dir;
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        main.state().savedProject = false;
        editor.dialogs.saveChoices = {{qPath(dir.path() / c.typed), c.shown}};
        main.Bar_ButtonClick("Save");
        ASSERT_TRUE(fs::exists(dir.path() / c.written));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
        EXPECT_EQ(testing::TempDir::read(dir.path() / c.written).substr(0, c.begins.size()), c.begins);
        EXPECT_EQ(main.state().savedProject, c.type == 1);
        EXPECT_TRUE(editor.dialogs.warnings.empty());
        main.Bar_ButtonClick("Save");
        EXPECT_EQ(editor.dialogs.saveRequests.back().filterIndex, c.type);
    }
}

// Open likewise: a project, an airfoil or a texture by the name's
// extension, whatever filter shows; an extension of no type keeps the
// filter shown.
TEST(ToolbarCommands, TheOpenedNamesExtensionChoosesTheType) {
    testing::TempDir dir;
    const QString project = writeProject(dir, "p.flx");
    const QString image = writeImage(dir, "wood.BMP");
    dir.write("five.xy", "Five points\n1 0\n0.5 0.1\n0 0\n0.5 -0.1\n1 0\n");
    const QString airfoil = qPath(dir.path() / "five.xy");
    struct Case {
        int shown;
        QString file;
        int type;
    };
    for (const Case& c : {Case{3, project, 1}, Case{1, image, 3}, Case{3, airfoil, 2}, Case{2, project, 1}}) {
        SCOPED_TRACE(c.file.toStdString() + " " + std::to_string(c.shown));
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        main.setTab(ParameterTab::Wing);
        editor.dialogs.openChoices = {{c.file, c.shown}};
        main.Bar_ButtonClick("Open");
        EXPECT_TRUE(editor.dialogs.warnings.empty());
        const SymWingSections& wing = main.plane().mainWing.wing(1);
        EXPECT_EQ(wing.span, c.type == 1 ? 333 : 700);
        EXPECT_EQ(wing.nb == 5, c.type == 2);
        EXPECT_EQ(wing.texture_filename(), c.type == 3 ? image.toStdString() : std::string());
        main.Bar_ButtonClick("Open");
        EXPECT_EQ(editor.dialogs.openRequests.back().filterIndex, c.type);
    }
}

// Each filter writes its own file; only the project marks the project saved.
// The DXF is the view on screen; the VRML export shows every fuselage, which
// changes the project when one was hidden.
TEST(ToolbarCommands, SaveWithEachFilter) {
    struct Case {
        int filter;
        const char* name;
        const char* begins;
        bool saved;
    };
    const Case cases[] = {
        {1, "plane.flx", "# FERLO File Format V 2.2.1\r\n", true},
        {2, "plane.wrl", "#VRML V2.0 utf8\r\n", false},
        {3, "plane.dxf", " 0 \r\nSECTION\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        Plane& plane = main.plane();
        plane.fuselages.addFuselage(false, plane.units, plane.defaultColor);
        plane.fuselages.setShown(1, false);
        main.fuselageManager().update();
        main.initFrontView();
        main.state().savedProject = false;
        editor.dialogs.saveChoices = {{qPath(dir.path() / c.name), c.filter}};
        main.Bar_ButtonClick("Save");
        const std::string written = testing::TempDir::read(dir.path() / c.name);
        EXPECT_EQ(written.substr(0, std::string(c.begins).size()), c.begins);
        // Whole: the DXF ends with its end-of-file group, the world's
        // brackets close.
        if (c.filter == 3) { EXPECT_EQ(written.substr(written.size() - 5), "EOF\r\n"); }
        if (c.filter == 2) {
            EXPECT_EQ(std::count(written.begin(), written.end(), '{'), std::count(written.begin(), written.end(), '}'));
            EXPECT_EQ(std::count(written.begin(), written.end(), '['), std::count(written.begin(), written.end(), ']'));
        }
        EXPECT_EQ(main.state().savedProject, c.saved);
        EXPECT_TRUE(editor.dialogs.warnings.empty());
        EXPECT_EQ(plane.fuselages.shown(1), c.filter == 2);
        if (c.filter == 1) {
            Plane read;
            newPlane(read);
            EXPECT_EQ(readProject(read, dir.path() / c.name).status, ProjectReadStatus::Read);
            EXPECT_EQ(projectText(read), projectText(plane));
        }
        if (c.filter == 3) {
            // The Front view: the panels' and fin's layers, no fuselage side.
            EXPECT_NE(written.find("Wing"), std::string::npos);
            EXPECT_EQ(main.state().mode, ViewKind::Front);
        }
        if (c.filter == 2) { EXPECT_EQ(main.fuselageManager().ListView->topLevelItem(0)->text(1), "Shown"); }
    }
}

// A save that cannot be written (no such folder, a full disk) is reported;
// the project stays unsaved and a file already there stays as it was.
TEST(ToolbarCommands, ASaveThatCannotBeWrittenKeepsTheProjectUnsaved) {
    testing::TempDir dir;
    dir.write("old.flx", "old project");
    struct Case {
        fs::path target;
        bool diskFull;
    };
    const Case cases[] = {{dir.path() / "no folder" / "plane.flx", false}, {dir.path() / "old.flx", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        main.state().savedProject = false;
        editor.dialogs.saveChoices = {{qPath(c.target), 1}};
        {
            std::optional<testing::FileSizeLimit> full;
            if (c.diskFull) full.emplace(100);
            main.Bar_ButtonClick("Save");
        }
        ASSERT_EQ(editor.dialogs.warnings.size(), 1u);
        EXPECT_TRUE(editor.dialogs.warnings[0].startsWith("The project was not saved."));
        EXPECT_FALSE(main.state().savedProject);
    }
    EXPECT_EQ(testing::TempDir::read(dir.path() / "old.flx"), "old project");
    EXPECT_FALSE(fs::exists(dir.path() / "no folder"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// Save then Open gives back a changed aircraft field by field: hidden
// fuselages, a texture (its copy beside the project), inches.
TEST(ToolbarCommands, SaveThenOpenGivesTheAircraftBack) {
    testing::TempDir images;
    testing::TempDir dir;
    const QString image = writeImage(images, "wood.bmp");
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    Plane& plane = main.plane();
    plane.fuselages.addFuselage(false, plane.units, plane.defaultColor);
    plane.fuselages.addFuselage(false, plane.units, plane.defaultColor);
    plane.fuselages.setShown(1, false);
    plane.fuselages.setShown(3, false);
    plane.fuselages.currentFuselage = 2;
    plane.mainWing.wing(1).span = 612.5;
    plane.fin.colorSet({10, 20, 30});
    main.setTab(ParameterTab::Wing);
    editor.dialogs.openChoices = {{image, 3}};
    main.Bar_ButtonClick("Open");
    main.prefs().selectUnitOption(LengthUnit::Inches);
    main.prefs().CloseCommand_Click();
    const std::string saved = projectText(plane);

    editor.dialogs.saveChoices = {{qPath(dir.path() / "plane.flx"), 1}};
    main.Bar_ButtonClick("Save");
    EXPECT_TRUE(main.state().savedProject);
    EXPECT_TRUE(fs::exists(dir.path() / "wood.bmp"));
    main.prefs().selectUnitOption(LengthUnit::Millimeters);
    editor.dialogs.answers = {true};
    main.Bar_ButtonClick("New");
    EXPECT_EQ(plane.units, LengthUnit::Millimeters);

    editor.dialogs.openChoices = {{qPath(dir.path() / "plane.flx"), 1}};
    main.Bar_ButtonClick("Open");
    EXPECT_TRUE(editor.dialogs.warnings.empty());
    EXPECT_EQ(projectText(plane), saved);
    EXPECT_EQ(plane.units, LengthUnit::Inches);
    EXPECT_TRUE(main.prefs().InchesOption->isChecked());
    EXPECT_NEAR(plane.mainWing.wing(1).span, 612.5 / 25.4, 1e-12);
    EXPECT_EQ((std::vector<bool>{plane.fuselages.shown(1), plane.fuselages.shown(2), plane.fuselages.shown(3)}),
              (std::vector<bool>{false, true, false}));
    EXPECT_EQ(fs::path(plane.mainWing.wing(1).texture_filename()), dir.path() / "wood.bmp");
    EXPECT_EQ(plane.fin.colorGet(), (ColorRGB{10, 20, 30}));
    EXPECT_EQ(main.fuselageManager().ListView->topLevelItem(2)->text(1), "Hidden");
}

// The colour dialog opens on the packed colour of the part of the open tab
// (components rounded, halves to even, kept within 0 to 255) and stores the
// colour chosen; a cancel changes nothing. On the electronics tab the dialog
// shows the colour it showed last and nothing is stored.
TEST(ToolbarCommands, PaletteColours) {
    struct Case {
        ParameterTab tab;
        ColorRGB color;
        std::optional<PackedColor> answer;
        PackedColor shown;
        ColorRGB stored;
    };
    const Case cases[] = {
        {ParameterTab::Wing, {200, 200, 200}, 255, 13158600, {255, 0, 0}},
        {ParameterTab::Fuselage, {200, 200, 200}, 0x00FF00, 13158600, {0, 255, 0}},
        {ParameterTab::Stab, {0, 0, 255}, 0x123456, 0xFF0000, {0x56, 0x34, 0x12}},
        {ParameterTab::Fin, {10.5, 11.5, 300}, std::nullopt, 10 + 256 * 12 + 65536 * 255, {10.5, 11.5, 300}},
        {ParameterTab::Fin, {200, 200, 200}, 13158600, 13158600, {200, 200, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.tab));
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        main.setTab(c.tab);
        const auto set = [&](auto& p) { p.colorSet(c.color); };
        switch (c.tab) {
        case ParameterTab::Wing: set(main.plane().mainWing.wing(1)); break;
        case ParameterTab::Fuselage: set(main.plane().fuselages.current()); break;
        case ParameterTab::Stab: set(main.plane().stab); break;
        default: set(main.plane().fin); break;
        }
        editor.dialogs.colors = {c.answer};
        main.Bar_ButtonClick("Palette");
        EXPECT_EQ(editor.dialogs.colorRequests, std::vector<PackedColor>{c.shown});
        ColorRGB now;
        switch (c.tab) {
        case ParameterTab::Wing: now = main.plane().mainWing.wing(1).colorGet(); break;
        case ParameterTab::Fuselage: now = main.plane().fuselages.current().colorGet(); break;
        case ParameterTab::Stab: now = main.plane().stab.colorGet(); break;
        default: now = main.plane().fin.colorGet(); break;
        }
        EXPECT_EQ(now, c.stored);
        EXPECT_EQ(main.state().savedProject, c.stored == c.color);
        EXPECT_EQ(editor.render->calls, c.answer ? Calls{"rebuild"} : Calls{});
    }

    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    const std::string before = projectText(main.plane());
    main.setTab(ParameterTab::Fin);
    editor.dialogs.colors = {0x0000FF};
    main.Bar_ButtonClick("Palette");
    main.setTab(ParameterTab::Electronics);
    editor.dialogs.colors = {0x00FF00};
    main.Bar_ButtonClick("Palette");
    EXPECT_EQ(editor.dialogs.colorRequests, (std::vector<PackedColor>{13158600, 0x0000FF}));
    EXPECT_EQ(main.plane().fin.colorGet(), (ColorRGB{255, 0, 0}));
    EXPECT_EQ(main.plane().mainWing.wing(1).colorGet(), (ColorRGB{200, 200, 200}));
}

// The view buttons open their tab and show their view; HTop keeps the tab.
TEST(ToolbarCommands, ViewButtons) {
    struct Case {
        const char* key;
        ParameterTab tab;
        ViewKind mode;
    };
    const Case cases[] = {
        {"Side", ParameterTab::Fuselage, ViewKind::Side},
        {"HTop", ParameterTab::Fuselage, ViewKind::HTop},
        {"Front", ParameterTab::Wing, ViewKind::Front},
        {"VTop", ParameterTab::Wing, ViewKind::VTop},
    };
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    main.setTab(ParameterTab::Electronics);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        main.controls().button(c.key)->trigger();
        EXPECT_EQ(main.tab(), c.tab);
        EXPECT_EQ(main.state().mode, c.mode);
        EXPECT_TRUE(main.controls().button(c.key)->isChecked());
    }
    EXPECT_TRUE(main.state().savedProject);
}

// Render rebuilds the 3D view at each click, down or up; a key that names no
// command does nothing.
TEST(ToolbarCommands, RenderRebuildsAtEachClick) {
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    QAction* render = main.controls().button("Render");
    render->trigger();
    EXPECT_TRUE(render->isChecked());
    render->trigger();
    EXPECT_FALSE(render->isChecked());
    EXPECT_EQ(editor.render->calls, (Calls{"rebuild", "rebuild"}));

    const std::string before = projectText(main.plane());
    main.Bar_ButtonClick("Nothing");
    EXPECT_EQ(editor.render->calls.size(), 2u);
    EXPECT_EQ(projectText(main.plane()), before);
}

// The flying preview's hook gets the button's state; during a flight every
// control but that button is disabled, and each gets its state back after.
TEST(ToolbarCommands, TheFlightDisablesEveryOtherCommand) {
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    ToolbarCommands& commands = main.toolbarCommands();
    std::vector<bool> flights;
    commands.flyingPreview = [&](bool down) {
        flights.push_back(down);
        commands.setFlying(down);
    };
    MainControls& c = main.controls();
    QAction* flying = c.button("FlyingPreview");
    EXPECT_FALSE(c.button("HTop")->isEnabled());  // the VTop view offers no HTop
    flying->trigger();
    for (const MainControls::ToolbarButton& b : c.buttons) EXPECT_EQ(b.action->isEnabled(), b.key == "FlyingPreview");
    EXPECT_FALSE(c.Parameters->isEnabled());
    EXPECT_FALSE(c.DrawArea->isEnabled());
    flying->trigger();
    EXPECT_EQ(flights, (std::vector<bool>{true, false}));
    for (const MainControls::ToolbarButton& b : c.buttons)
        EXPECT_EQ(b.action->isEnabled(), b.key != "HTop") << b.key.toStdString();
    EXPECT_TRUE(c.Parameters->isEnabled());
    EXPECT_TRUE(c.DrawArea->isEnabled());
}

}  // namespace
}  // namespace ferlo
