#include "editor/commands/qt_user_dialogs.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "document/project_file.h"
#include "editor/commands/file_filters.h"
#include "editor/commands/toolbar_commands.h"
#include "editor/window/editor_environment.h"
#include "support/editor_window.h"
#include "support/fake_image_converter.h"
#include "support/snapshot.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

namespace fs = std::filesystem;

QString qPath(const fs::path& path) { return QString::fromStdString(path.string()); }

const QStringList kSaveFilters = qtFilters(QString::fromLatin1(ToolbarCommands::kSaveFilter));
const QStringList kOpenFilters = qtFilters(QString::fromLatin1(ToolbarCommands::kOpenFilter));

// Qt's own settings (the file dialogs' history) kept in a folder of the
// test's own while it runs, then in the user's folder again.
struct QtSettingsFolder {
    testing::TempDir dir;
    QtSettingsFolder() { keepQtSettingsIn(qPath(dir.path())); }
    ~QtSettingsFolder() {
        keepQtSettingsIn(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    QtSettingsFolder(const QtSettingsFolder&) = delete;
    QtSettingsFolder& operator=(const QtSettingsFolder&) = delete;
};

// Runs `action` on the modal dialog of type T once it shows: the dialog's
// own event loop runs the timer. A dialog shown from within `action` (the
// question before a file is replaced) is reached by a call made before.
template <typename T>
void whenShown(std::function<void(T&)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "the dialog did not show";
            return;
        }
        action(*dialog);
    });
}

QLineEdit* nameBox(QFileDialog& dialog) { return dialog.findChild<QLineEdit*>("fileNameEdit"); }

// Types `name` into the file dialog's name box and presses Enter.
void typeName(QFileDialog& dialog, const QString& name) {
    QLineEdit* box = nameBox(dialog);
    box->setFocus();
    box->setText(name);
    QTest::keyClick(box, Qt::Key_Return);
}

// Picks the filter of `index` (1-based) in the dialog's list, as the user
// does with the arrow keys.
void pickFilter(QFileDialog& dialog, int index) {
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    while (types->currentIndex() < index - 1) QTest::keyClick(types, Qt::Key_Down);
    while (types->currentIndex() > index - 1) QTest::keyClick(types, Qt::Key_Up);
}

// Each file dialog starts with an empty name box, in the folder it was
// used in last, whatever name was typed there before.
TEST(QtUserDialogs, FileDialogsStartWithAnEmptyNameInTheirLastFolder) {
    const QtSettingsFolder settings;
    testing::TempDir dir;
    dir.write("p.flx", "project");
    QtUserDialogs dialogs;
    const auto typeInEmptyBox = [](const QString& name) {
        return [name](QFileDialog& d) {
            EXPECT_EQ(nameBox(d)->text(), "");
            typeName(d, name);
        };
    };
    const auto emptyIn = [&](QFileDialog& d) {
        EXPECT_EQ(nameBox(d)->text(), "");
        EXPECT_EQ(fs::path(d.directory().absolutePath().toStdString()), dir.path());
        d.reject();
    };

    whenShown<QFileDialog>(typeInEmptyBox(qPath(dir.path() / "plane")));
    const FileChoice saved = dialogs.saveFileOfType(kSaveFilters, 1);
    EXPECT_EQ(saved.file, qPath(dir.path() / "plane.flx"));
    EXPECT_EQ(saved.filterIndex, 1);
    whenShown<QFileDialog>(emptyIn);
    EXPECT_EQ(dialogs.saveFileOfType(kSaveFilters, 2).file, "");

    whenShown<QFileDialog>(typeInEmptyBox(qPath(dir.path() / "p.flx")));
    const FileChoice opened = dialogs.openFileOfType(kOpenFilters, 3);
    EXPECT_EQ(opened.file, qPath(dir.path() / "p.flx"));
    EXPECT_EQ(opened.filterIndex, 3);  // the type is the command's to decide
    whenShown<QFileDialog>(emptyIn);
    EXPECT_EQ(dialogs.openFileOfType(kOpenFilters, 1).file, "");
}

// A name typed without an extension gets that of the filter shown, also
// after the user picked another filter, before the dialog asks about
// replacing a file: the question names the file that is written, and No
// keeps the dialog open.
TEST(QtUserDialogs, ABareSavedNameGetsTheShownFiltersExtensionBeforeTheReplaceQuestion) {
    const QtSettingsFolder settings;
    testing::TempDir dir;
    dir.write("plane.wrl", "old world");
    QtUserDialogs dialogs;
    for (const bool replace : {false, true}) {
        SCOPED_TRACE(replace);
        bool asked = false;
        whenShown<QFileDialog>([&](QFileDialog& d) {
            whenShown<QMessageBox>([&](QMessageBox& box) {
                asked = true;
                EXPECT_TRUE(box.text().contains("plane.wrl")) << box.text().toStdString();
                box.button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            });
            typeName(d, qPath(dir.path() / "plane"));
            if (d.isVisible()) d.reject();
        });
        const FileChoice choice = dialogs.saveFileOfType(kSaveFilters, 2);
        EXPECT_TRUE(asked);
        EXPECT_EQ(choice.file, replace ? qPath(dir.path() / "plane.wrl") : QString());
        EXPECT_EQ(choice.filterIndex, 2);
    }

    whenShown<QFileDialog>([&](QFileDialog& d) {
        pickFilter(d, 3);
        typeName(d, qPath(dir.path() / "view"));
    });
    const FileChoice picked = dialogs.saveFileOfType(kSaveFilters, 2);
    EXPECT_EQ(picked.file, qPath(dir.path() / "view.dxf"));
    EXPECT_EQ(picked.filterIndex, 3);
}

// Through the editor with the real dialogs: after a VRML export the save
// dialog shows the VRML filter with an empty name, and "plane.flx" typed
// there saves the project; with the texture filter shown from the last
// open, a project file typed there is opened as a project, not put on the
// wing as a texture.
TEST(QtUserDialogs, TheTypedExtensionWinsOverTheRememberedFilter) {
    const QtSettingsFolder settings;
    testing::TempDir dir;
    QImage wood(8, 4, QImage::Format_RGB32);
    wood.fill(Qt::darkGreen);
    ASSERT_TRUE(wood.save(qPath(dir.path() / "wood.bmp"), "BMP"));
    QtUserDialogs real;
    testing::EditorWindow editor;
    editor.dialogs.fileDialogs = &real;
    MainWindow& main = editor.startSettled();
    main.plane().mainWing.wing(1).span = 333;
    main.state().savedProject = false;

    whenShown<QFileDialog>([&](QFileDialog& d) {
        pickFilter(d, 2);
        typeName(d, qPath(dir.path() / "plane"));
    });
    main.Bar_ButtonClick("Save");
    EXPECT_EQ(testing::TempDir::read(dir.path() / "plane.wrl").substr(0, 15), "#VRML V2.0 utf8");
    EXPECT_FALSE(main.state().savedProject);
    whenShown<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(d.selectedNameFilter(), kSaveFilters[1]);
        EXPECT_EQ(nameBox(d)->text(), "");
        testing::saveOutputPng(d.grab().toImage(), "save_dialog_after_export");
        typeName(d, qPath(dir.path() / "plane.flx"));
    });
    main.Bar_ButtonClick("Save");
    EXPECT_TRUE(main.state().savedProject);
    Plane read;
    newPlane(read);
    EXPECT_EQ(readProject(read, dir.path() / "plane.flx").status, ProjectReadStatus::Read);
    EXPECT_EQ(read.mainWing.wing(1).span, 333);

    main.setTab(ParameterTab::Wing);
    whenShown<QFileDialog>([&](QFileDialog& d) {
        pickFilter(d, 3);
        typeName(d, qPath(dir.path() / "wood.bmp"));
    });
    main.Bar_ButtonClick("Open");
    EXPECT_EQ(main.plane().mainWing.wing(1).texture_filename(), (dir.path() / "wood.bmp").string());
    main.plane().mainWing.wing(1).span = 444;
    editor.dialogs.answers = {true};  // the texture is an unsaved change
    whenShown<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(d.selectedNameFilter(), kOpenFilters[2]);
        EXPECT_EQ(nameBox(d)->text(), "");
        typeName(d, qPath(dir.path() / "plane.flx"));
    });
    main.Bar_ButtonClick("Open");
    EXPECT_TRUE(editor.dialogs.warnings.empty());
    EXPECT_EQ(main.plane().mainWing.wing(1).span, 333);
    EXPECT_EQ(main.plane().mainWing.wing(1).texture_filename(), "");
}

// The question before quitting with unsaved changes: Save, Discard and
// Cancel, Save the default; Escape answers Cancel.
TEST(QtUserDialogs, TheSaveQuestion) {
    QtUserDialogs dialogs;
    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.text(), "The project has not been saved.\nSave it first ?");
        EXPECT_EQ(box.standardButtons(), QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Save));
        testing::saveOutputPng(box.grab().toImage(), "save_question");
        box.button(QMessageBox::Discard)->click();
    });
    EXPECT_EQ(dialogs.askToSave("The project has not been saved.\nSave it first ?"), SaveAnswer::Discard);
    whenShown<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.askToSave("The project has not been saved.\nSave it first ?"), SaveAnswer::Cancel);
    whenShown<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    EXPECT_EQ(dialogs.askToSave("The project has not been saved.\nSave it first ?"), SaveAnswer::Save);
}

// An input box is wide enough for its whole title and the frame's buttons
// beside it (the Size Bitmap box was cut to "Enter ... factor").
TEST(QtUserDialogs, TheInputBoxIsWideEnoughForItsTitle) {
    // Room a window frame takes beside its title: an icon and three buttons.
    constexpr int kFrameButtons = 4 * 24;
    QtUserDialogs dialogs;
    const QString title = "Enter a resizing factor";
    whenShown<QInputDialog>([&](QInputDialog& box) {
        EXPECT_EQ(box.windowTitle(), title);
        EXPECT_EQ(box.textValue(), "100");
        const QFontMetrics font(QFontDatabase::systemFont(QFontDatabase::TitleFont));
        EXPECT_GE(box.width(), font.horizontalAdvance(title) + kFrameButtons) << box.width();
        testing::saveOutputPng(box.grab().toImage(), "input_box");
        box.setTextValue("50");
        box.accept();
    });
    EXPECT_EQ(dialogs.inputText("Size (%)", title, "100"), "50");
}

// Qt's own settings go to the program's configuration folder, and only
// once a file dialog was used: the program's start writes nothing there.
TEST(QtUserDialogs, QtsOwnSettingsStayInTheConfigurationFolder) {
    testing::TempDir home;
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", home.path().string().c_str());
    const EditorPaths paths = EditorPaths::standard();
    const fs::path config = paths.configFolder.toStdString();
    EXPECT_EQ(config.parent_path(), home.path());
    { QtUserDialogs unused; }
    EXPECT_FALSE(fs::exists(config / "QtProject.conf"));
    {
        QtUserDialogs dialogs;
        whenShown<QFileDialog>([](QFileDialog& d) { d.reject(); });
        dialogs.saveFileOfType(kSaveFilters, 1);
    }
    EXPECT_TRUE(fs::exists(config / "QtProject.conf"));
    EXPECT_FALSE(fs::exists(home.path() / "QtProject.conf"));

    if (configHome.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", configHome);
    }
    keepQtSettingsIn(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

}  // namespace
}  // namespace ferlo
