#pragma once

#include <functional>
#include <memory>

#include <QWidget>

#include "document/plane.h"
#include "editor/window/editor.h"
#include "editor/window/editor_environment.h"
#include "editor/window/editor_state.h"
#include "editor/window/main_controls.h"
#include "ui_core/main_window_layout.h"

namespace ferlo {

class Demonstration;
class DrawingAreaInput;
class FlyingPreview;
class FuselageManager;
class Help;
class ParameterPanels;
class Preferences;
class RenderMouse;
class RenderView;
class ToolbarCommands;
class TracingPictures;
class UserDialogs;
class ViewSetup;

// The main window (`Main`): it owns the aircraft and the editor's shared
// state, creates its named controls in one place and the parts that work
// on them, and gives each part the `Editor` and the few siblings it calls.
// It runs the edit path's follow-ups (`follow`).
class MainWindow : public QWidget, public Editor {
public:
    explicit MainWindow(EditorEnvironment& env);
    ~MainWindow() override;

    Plane& plane() override { return plane_; }
    EditorState& state() override { return state_; }
    MainControls& controls() override { return controls_; }
    UserDialogs& dialogs() override { return env_.dialogs; }
    const EditorEnvironment& environment() const override { return env_; }
    void follow(Effects effects) override;

    RenderView& renderView() { return *renderView_; }
    TracingPictures& pictures() { return *pictures_; }
    FuselageManager& fuselageManager() { return *manager_; }
    Help& help() { return *help_; }
    ParameterPanels& panels() { return *panels_; }
    Preferences& prefs() { return *prefs_; }
    Demonstration& demonstration() { return *demonstration_; }
    ToolbarCommands& toolbarCommands() { return *toolbar_; }
    DrawingAreaInput& drawingAreaInput() { return *drawingAreaInput_; }
    FlyingPreview& flyingPreview() { return *flight_; }
    RenderMouse& renderMouse() { return *renderMouse_; }

    // ---- Start-up and shut-down (start_up.cpp, main_window.cpp) ----
    // The one-time initialisation (`Main.init`): help, caption, layout from the
    // work area (with small-fonts mode), the default aircraft in the VTop view,
    // the fuselage manager, the panels filled, the 3D view and its start-up timer.
    void init(bool smallFonts);
    // The start-up timer's tick (`Timer1_Timer`).
    void Timer1_Timer();

    // ---- The parameter tabs ----
    // A tab was opened (`Parameters_Click`): the wing and stabiliser tabs take
    // the current fuselage's highlight away (nothing is redrawn).
    void Parameters_Click();

    // ---- The 2D views (`ViewSetup`) ----
    void initVTopView();
    void initFrontView();
    void initSideView();
    void initHTopView();
    ViewState fittedView(ViewKind kind);
    void zoomSectionBox();

    // ---- The 3D view ----
    // The toolbar's Render button is down: edits re-render the 3D view.
    bool liveRendering() const;

    // ---- The toolbar ----
    // A click on the toolbar button of `key` (`Bar_ButtonClick`).
    void Bar_ButtonClick(const QString& key);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The layout from the screen's work area; the 3D box is placed apart,
    // once the 3D view is about to be shown.
    void layOut(bool smallFonts);
    void placeRender();
    // The question before the window closes; true when it may close.
    bool mayClose();
    void shutDown();

    EditorEnvironment& env_;
    Plane plane_;
    EditorState state_;
    MainControls controls_;
    std::unique_ptr<RenderView> renderView_;
    std::unique_ptr<Help> help_;
    std::unique_ptr<TracingPictures> pictures_;
    std::unique_ptr<ViewSetup> views_;
    std::unique_ptr<FuselageManager> manager_;
    std::unique_ptr<ParameterPanels> panels_;
    std::unique_ptr<Preferences> prefs_;
    std::unique_ptr<Demonstration> demonstration_;
    std::unique_ptr<ToolbarCommands> toolbar_;
    std::unique_ptr<DrawingAreaInput> drawingAreaInput_;
    std::unique_ptr<FlyingPreview> flight_;
    std::unique_ptr<RenderMouse> renderMouse_;
    MainWindowLayout layout_;
};

}  // namespace ferlo
