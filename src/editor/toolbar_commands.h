#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QString>

#include "editor/flight_commands.h"
#include "editor/packed_color.h"

namespace ferlo {

class Editor;
class FuselageManager;
class Help;
class Preferences;
class TracingPictures;
class ViewSetup;
class PrintCommand;
class ConversionProgressWindow;
class QtImageConverter;

// The toolbar's commands: every button click arrives here with the button's
// key. Every command that changes the aircraft marks the project unsaved;
// only a project file written by Save, or read whole by Open, marks it
// saved. A failure is shown to the user and leaves the aircraft as it was.
class ToolbarCommands : public FlightCommands {
public:
    // The filters of the open and save dialogs, in the program's own form;
    // the open dialog's index 1 is the project, 2 the airfoil, 3 the texture
    // image, the save dialog's 1 the project, 2 the VRML world, 3 the DXF
    // drawing of the current view.
    static constexpr const char* kOpenFilter =
        "Ferlo Project (*.flx)|*.flx|Airfoil (*.xy)|*.xy|Texture Image (*.bmp;*.jpg)|*.bmp;*.jpg|";
    static constexpr const char* kSaveFilter =
        "Ferlo Project (*.flx)|*.flx|VRML2.0 Format (*.wrl)|*.wrl|DXF Format (*.dxf)|*.dxf";

    ToolbarCommands(Editor& main, ViewSetup& views, TracingPictures& pictures, FuselageManager& manager,
                    Preferences& prefs, Help& help);
    ~ToolbarCommands() override;

    // The command of the button `key`; a key that names no command does nothing.
    void buttonClick(const QString& key);

    void setFlying(bool flying) override;

private:
    void New_Click();
    void Open_Click();
    void Save_Click();
    void Palette_Click();
    void Prefs_Click();
    // Asks before unsaved work is discarded; true when the project was read
    // (or refused with a message), false when the user said No.
    bool openProject(const QString& file);
    void importAirfoil(const QString& file);
    void saveProjectAs(const QString& file);
    void exportWorld(const QString& file);
    void exportDrawing(const QString& file);
    void setTextureOfTab(const QString& file);

    Editor& main_;
    ViewSetup& views_;
    TracingPictures& pictures_;
    FuselageManager& manager_;
    Preferences& prefs_;
    Help& help_;
    int openFilterIndex_ = 1;
    int saveFilterIndex_ = 1;
    // The colour the colour dialog showed last.
    PackedColor dialogColor_ = 0;
    // The image conversions of the texture copies a save or an export
    // writes, with their progress window (a window the main window owns).
    std::unique_ptr<QtImageConverter> images_;
    ConversionProgressWindow* progress_;
    std::unique_ptr<PrintCommand> print_;
    // What gives the controls a flight disabled their state back.
    std::vector<std::function<void()>> afterFlight_;
};

}  // namespace ferlo
