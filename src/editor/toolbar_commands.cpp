#include "editor/toolbar_commands.h"

#include <filesystem>

#include <QAction>
#include <QTabWidget>

#include "base/file_errors.h"
#include "document/airfoil_import.h"
#include "document/dxf_export.h"
#include "document/plane.h"
#include "document/plane_operations.h"
#include "document/project_file.h"
#include "document/vrml_export.h"
#include "editor/drawing_area.h"
#include "editor/editor.h"
#include "editor/failure_rule.h"
#include "editor/file_filters.h"
#include "editor/fuselage_manager.h"
#include "editor/help.h"
#include "editor/main_controls.h"
#include "editor/part_of_tab.h"
#include "editor/preferences.h"
#include "editor/print_command.h"
#include "editor/tracing_pictures.h"
#include "editor/user_dialogs.h"
#include "editor/view_setup.h"
#include "view3d/conversion_progress_window.h"
#include "view3d/qt_image_converter.h"

namespace ferlo {

namespace {

constexpr int kProjectFilter = 1;
constexpr int kAirfoilFilter = 2;
constexpr int kTextureFilter = 3;
constexpr int kWorldFilter = 2;
constexpr int kDrawingFilter = 3;

std::filesystem::path pathOf(const QString& file) { return std::filesystem::path(file.toStdString()); }

QString text(const std::string& message) { return QString::fromStdString(message); }

// One message listing the texture images a save or an export could not copy.
QString copyFailures(const std::vector<std::string>& errors) {
    QString message = QStringLiteral("The file was written, but these texture copies failed:");
    for (const std::string& error : errors) message += '\n' + text(error);
    return message;
}

}  // namespace

ToolbarCommands::ToolbarCommands(Editor& main, ViewSetup& views, TracingPictures& pictures, FuselageManager& manager,
                                 Preferences& prefs, Help& help)
    : main_(main),
      views_(views),
      pictures_(pictures),
      manager_(manager),
      prefs_(prefs),
      help_(help),
      images_(std::make_unique<QtImageConverter>()),
      progress_(new ConversionProgressWindow(ConversionProgressWindow::kShowAfter, main.controls().Main)),
      print_(std::make_unique<PrintCommand>(main, views)) {}

ToolbarCommands::~ToolbarCommands() = default;

void ToolbarCommands::buttonClick(const QString& key) {
    if (key == "New") {
        New_Click();
    } else if (key == "Open") {
        Open_Click();
    } else if (key == "Save") {
        Save_Click();
    } else if (key == "Print") {
        print_->run();
    } else if (key == "VTop") {
        main_.setTab(ParameterTab::Wing);
        views_.show(ViewKind::VTop);
    } else if (key == "Front") {
        main_.setTab(ParameterTab::Wing);
        views_.show(ViewKind::Front);
    } else if (key == "Side") {
        main_.setTab(ParameterTab::Fuselage);
        views_.show(ViewKind::Side);
    } else if (key == "HTop") {
        views_.show(ViewKind::HTop);
    } else if (key == "Palette") {
        Palette_Click();
    } else if (key == "Render") {
        // The 3D rebuild makes every part's geometry anew.
        main_.follow(Effects::Rebuild3D);
    } else if (key == "Prefs") {
        Prefs_Click();
    } else if (key == "Manager") {
        manager_.exec();
    } else if (key == "FlyingPreview") {
        if (flyingPreview) flyingPreview(main_.controls().button(key)->isChecked());
    } else if (key == "Help") {
        help_.helpContents();
    }
}

// The default aircraft after a question, in millimetres and then in inches
// when the preferences ask for inches. The project's mark stays.
void ToolbarCommands::New_Click() {
    if (!main_.dialogs().question(QStringLiteral("Do you really want to reset your project ?"))) return;
    pictures_.clearBitmap();
    Plane& plane = main_.plane();
    plane.units = LengthUnit::Millimeters;
    main_.state().projectFile.clear();
    main_.edit([&] { newPlane(plane); }, Effects::ManagerRows | Effects::RefillTabs);
    if (prefs_.inchesOption()) skipOnFailure([&] { prefs_.applyPreferences(); });
    views_.show(ViewKind::VTop);
    main_.follow(Effects::Rebuild3D);
}

// A project, an airfoil for the current wing panel, or a texture for the
// part of the open tab, by the type the file's extension names, else by
// the filter the dialog ends on. Cancelled on the texture filter, the
// part's texture is taken away. The next open starts on the type of this
// one.
void ToolbarCommands::Open_Click() {
    const QStringList filters = qtFilters(QString::fromLatin1(kOpenFilter));
    const FileChoice choice =
        typedFileChoice(filters, main_.dialogs().openFileOfType(filters, openFilterIndex_), false);
    if (choice.filterIndex >= 1 && choice.filterIndex <= filters.size()) openFilterIndex_ = choice.filterIndex;
    if (!choice.file.isEmpty()) {
        switch (choice.filterIndex) {
        case kProjectFilter:
            if (!openProject(choice.file)) return;
            break;
        case kAirfoilFilter: importAirfoil(choice.file); break;
        case kTextureFilter: setTextureOfTab(choice.file); break;
        default: break;
        }
    } else if (choice.filterIndex == kTextureFilter) {
        setTextureOfTab(QString());
    }
    main_.follow(Effects::RefillTabs);
    views_.show(ViewKind::VTop);
    // Open has always rebuilt the 3D view twice.
    main_.follow(Effects::Rebuild3D);
    main_.follow(Effects::Rebuild3D);
}

// The file is read onto a default aircraft, which then replaces the one in
// the editor; a file of which nothing could be read (missing, refused, not a
// project) leaves the editor's aircraft as it was. A file read only in part
// keeps what was read on top of the default aircraft and is reported with
// its file and line; the aircraft then differs from every file and counts
// as unsaved. A file read whole is what the project holds: saved.
bool ToolbarCommands::openProject(const QString& file) {
    if (!main_.state().savedProject &&
        !main_.dialogs().question(QStringLiteral("The current project has not been saved and will be lost\n"
                                                 "Do you want to proceed ?"))) {
        return false;
    }
    Plane& plane = main_.plane();
    Plane read;
    read.units = plane.units;
    read.dxfLastPoint = plane.dxfLastPoint;
    newPlane(read);
    const ProjectReadResult result = readProject(read, pathOf(file));
    const bool nothingRead = result.status == ProjectReadStatus::Refused || (result.error && result.error->line() <= 1);
    if (!nothingRead) pictures_.clearBitmap();
    main_.edit(
        [&] {
            if (nothingRead) return Effects::None;
            plane = std::move(read);
            main_.state().projectFile = file;
            prefs_.selectUnitOption(plane.units);
            return result.status == ProjectReadStatus::Read ? Effects::Saved : Effects::Unsaved;
        },
        Effects::ManagerRows);
    if (result.status != ProjectReadStatus::Read) main_.dialogs().warning(text(result.message));
    return true;
}

void ToolbarCommands::importAirfoil(const QString& file) {
    main_.edit([&] {
        try {
            loadAirfoil(main_.plane(), file.toStdString());
            return Effects::Unsaved;
        } catch (const std::exception& error) {
            main_.dialogs().warning(text(error.what()));
            return Effects::None;
        }
    });
}

// An empty `file` takes the texture away.
void ToolbarCommands::setTextureOfTab(const QString& file) {
    const std::string path = file.toStdString();
    main_.edit([&] {
        Effects changed = Effects::None;
        withPartOfTab(main_.plane(), main_.tab(), [&](auto& part) {
            if (path.empty() && part.texture_filename().empty()) return;
            part.setTexture(path);
            changed = Effects::Unsaved;
        });
        return changed;
    });
}

// The project, the VRML world or the DXF drawing of the current view, by
// the type the file's extension names, else by the filter the dialog ends
// on, whose extension a name without one gets. The next save starts on the
// type of this one.
void ToolbarCommands::Save_Click() {
    const QStringList filters = qtFilters(QString::fromLatin1(kSaveFilter));
    const FileChoice choice =
        typedFileChoice(filters, main_.dialogs().saveFileOfType(filters, saveFilterIndex_), true);
    if (choice.filterIndex >= 1 && choice.filterIndex <= filters.size()) saveFilterIndex_ = choice.filterIndex;
    if (choice.file.isEmpty()) return;
    switch (choice.filterIndex) {
    case kProjectFilter: saveProjectAs(choice.file); break;
    case kWorldFilter: exportWorld(choice.file); break;
    case kDrawingFilter: exportDrawing(choice.file); break;
    default: break;
    }
}

void ToolbarCommands::saveProjectAs(const QString& file) {
    main_.edit([&] {
        try {
            const ProjectSaveResult result = saveProject(main_.plane(), pathOf(file), *images_);
            main_.state().projectFile = file;
            if (!result.textureCopyErrors.empty()) main_.dialogs().warning(copyFailures(result.textureCopyErrors));
            return Effects::Saved;
        } catch (const std::exception& error) {
            main_.dialogs().warning(QStringLiteral("The project was not saved.\n") + text(error.what()));
            return Effects::None;
        }
    });
}

// The export shows every fuselage first: the fuselage manager, the views and
// the 3D view follow, and showing a hidden one changes the project.
void ToolbarCommands::exportWorld(const QString& file) {
    Plane& plane = main_.plane();
    bool allShown = true;
    for (int i = 1; i <= plane.fuselages.nbFuselages(); ++i) allShown = allShown && plane.fuselages.shown(i);
    main_.edit([&] {
        try {
            const VrmlExportResult result = exportVRML(plane, pathOf(file), *images_, *progress_);
            if (!result.textureCopyErrors.empty()) main_.dialogs().warning(copyFailures(result.textureCopyErrors));
        } catch (const std::exception& error) {
            main_.dialogs().warning(QStringLiteral("The VRML file was not written.\n") + text(error.what()));
        }
        return when(!allShown, Effects::Edited | Effects::ManagerRows | Effects::Rebuild3D);
    });
}

void ToolbarCommands::exportDrawing(const QString& file) {
    try {
        exportDXF(main_.plane(), main_.state().mode, pathOf(file));
    } catch (const std::exception& error) {
        main_.dialogs().warning(QStringLiteral("The DXF file was not written.\n") + text(error.what()));
    }
}

// The colour dialog opens on the colour of the part of the open tab (on the
// electronics tab on the colour it showed last); a colour chosen becomes the
// part's, a cancel changes nothing.
void ToolbarCommands::Palette_Click() {
    Plane& plane = main_.plane();
    const ParameterTab tab = main_.tab();
    skipOnFailure([&] { withPartOfTab(plane, tab, [&](auto& part) { dialogColor_ = packColor(part.colorGet()); }); });
    const std::optional<PackedColor> chosen = main_.dialogs().chooseColor(dialogColor_);
    if (!chosen) return;
    dialogColor_ = *chosen;
    const ColorRGB color = unpackColor(*chosen);
    main_.edit(
        [&] {
            Effects changed = Effects::None;
            withPartOfTab(plane, tab, [&](auto& part) {
                if (part.colorGet() == color) return;
                part.colorSet(color);
                changed = Effects::Unsaved;
            });
            return changed;
        },
        Effects::Rebuild3D);
}

// The preferences window, modal; however it closes, every tab is filled
// again and the VTop view shown.
void ToolbarCommands::Prefs_Click() {
    prefs_.exec();
    main_.follow(Effects::RefillTabs);
    views_.show(ViewKind::VTop);
}

void ToolbarCommands::setFlying(bool flying) {
    if (!flying) {
        for (const std::function<void()>& restore : afterFlight_) restore();
        afterFlight_.clear();
        return;
    }
    if (!afterFlight_.empty()) return;
    MainControls& c = main_.controls();
    const auto disable = [this](auto* control) {
        afterFlight_.push_back([control, enabled = control->isEnabled()] { control->setEnabled(enabled); });
        control->setEnabled(false);
    };
    for (const MainControls::ToolbarButton& b : c.buttons) {
        if (b.key != "FlyingPreview") disable(b.action);
    }
    disable(c.Parameters);
    disable(c.DrawArea);
}

}  // namespace ferlo
