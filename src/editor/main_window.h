#pragma once

#include <functional>
#include <memory>

#include <QWidget>

#include "document/plane.h"
#include "editor/editor_environment.h"
#include "editor/editor_state.h"
#include "editor/main_controls.h"
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

// The main window (`Main`): it owns the aircraft and the editor's shared
// state, creates its named controls in one place and the parts that work
// on them, and offers the operations the rest of the editor calls. The
// model emits nothing: whoever changes it refreshes what it changed, through
// `afterEdit` or the narrower operations below.
class MainWindow : public QWidget {
public:
    explicit MainWindow(EditorEnvironment& env);
    ~MainWindow() override;

    Plane& plane() { return plane_; }
    EditorState& state() { return state_; }
    MainControls& controls() { return controls_; }
    UserDialogs& dialogs() { return env_.dialogs; }
    const EditorPaths& paths() const { return env_.paths; }
    const EditorEnvironment& environment() const { return env_; }

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
    // Run first when the window closes, to end an operation that is still
    // running (a flight, the demonstration); empty when none runs.
    std::function<void()> endLongOperation;

    // ---- The parameter tabs ----
    ParameterTab tab() const;
    void setTab(ParameterTab tab);
    // A tab was opened (`Parameters_Click`): the wing and stabiliser tabs take
    // the current fuselage's highlight away (nothing is redrawn).
    void Parameters_Click();

    // ---- The 2D views (view_setup.cpp) ----
    // Switch to a view and draw it from a cleared drawing area.
    void initVTopView();
    void initFrontView();
    void initSideView();
    void initHTopView();
    // Clears the drawing area with the view's tracing picture and fits the
    // view unless the zoom is locked.
    void initDrawArea();
    // The transform the drawing area gives view `kind` (the current view
    // state fitted to the area, or as it is while the zoom is locked);
    // nothing on the screen changes. The Side and HTop fits use up the
    // focus key's flag.
    ViewState fittedView(ViewKind kind);
    // Redraws the current view; renders the 3D view while Render is down.
    void refreshDrawingArea();
    // What every change of the aircraft ends with: the project is no longer
    // saved, the current view is redrawn and, while Render is down, the 3D
    // view rebuilt.
    void afterEdit();
    // What the parts draw through in the drawing area.
    ViewContext viewContext();
    // The current fuselage's cross-section zoom for the section box as it
    // now stands (`fuselageZoomSectionSet`), with the bias slider's height.
    void zoomSectionBox();

    // ---- The 3D view ----
    // The toolbar's Render button is down: edits re-render the 3D view.
    bool liveRendering() const;
    void renderScene(bool rebuild);

    // ---- The toolbar ----
    // A click on the toolbar button of `key` (`Bar_ButtonClick`).
    void Bar_ButtonClick(const QString& key);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setUpView(ViewKind kind);
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
