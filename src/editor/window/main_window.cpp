#include "editor/window/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "editor/commands/failure_rule.h"
#include "editor/commands/preferences.h"
#include "editor/commands/toolbar_commands.h"
#include "editor/commands/user_dialogs.h"
#include "editor/drawing/drawing_area.h"
#include "editor/drawing/drawing_area_input.h"
#include "editor/drawing/tracing_pictures.h"
#include "editor/flight/demonstration.h"
#include "editor/flight/flying_preview.h"
#include "editor/flight/render_mouse.h"
#include "editor/panels/fuselage_manager.h"
#include "editor/panels/parameter_panels.h"
#include "editor/window/help.h"
#include "editor/window/layout_geometry.h"
#include "editor/window/program_picture.h"
#include "editor/window/render_view.h"
#include "editor/window/screen_measure.h"
#include "editor/window/view_setup.h"

namespace ferlo {

MainWindow::MainWindow(EditorEnvironment& env) : env_(env), controls_(buildMainControls(*this)) {
    setObjectName("Main");
    MainControls& c = controls_;
    renderView_ = env_.makeRenderView(plane_, *c.Render);
    auto* renderLayout = new QVBoxLayout(c.Render);
    renderLayout->setContentsMargins(0, 0, 0, 0);
    renderLayout->addWidget(renderView_->widget());
    c.Render->hide();
    c.Render->setEnabled(false);

    help_ = std::make_unique<Help>(*this);
    pictures_ = std::make_unique<TracingPictures>(*this);
    views_ = std::make_unique<ViewSetup>(*this, *pictures_, [this] { drawingAreaInput_->drawView(); });
    manager_ = std::make_unique<FuselageManager>(*this);
    panels_ = std::make_unique<ParameterPanels>(*this, *views_);
    prefs_ = std::make_unique<Preferences>(*this, *views_, *renderView_);
    toolbar_ = std::make_unique<ToolbarCommands>(*this, *views_, *pictures_, *manager_, *prefs_, *help_);
    drawingAreaInput_ = std::make_unique<DrawingAreaInput>(*this, *views_, *pictures_, *renderView_);
    demonstration_ = std::make_unique<Demonstration>(*this, *views_, *drawingAreaInput_);
    flight_ = std::make_unique<FlyingPreview>(*this, *renderView_, *toolbar_);
    renderMouse_ = std::make_unique<RenderMouse>(env_.screen, *renderView_, flight_->state());

    c.DrawArea->setEvents(drawingAreaInput_.get());
    for (const MainControls::ToolbarButton& b : c.buttons) {
        connect(b.action, &QAction::triggered, this, [this, key = b.key] { Bar_ButtonClick(key); });
    }
    // F1 is the Help button's key, so it is off whenever the button is.
    c.button("Help")->setShortcut(QKeySequence::HelpContents);
    connect(c.Parameters, &QTabWidget::currentChanged, this, [this] { Parameters_Click(); });
    connect(c.Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

MainWindow::~MainWindow() {
    // The drawing area may still report events while the window's children go.
    controls_.DrawArea->setEvents(nullptr);
}

void MainWindow::layOut(bool smallFonts) {
    MainControls& c = controls_;
    const QSize area = env_.screen.workArea();
    const int toolbarHeight = c.Bar->sizeHint().height();
    layout_ = layoutMainWindow(area.width(), area.height(), toolbarHeight, smallFonts);
    resize(area);
    c.Bar->setGeometry(0, 0, area.width(), toolbarHeight);
    place(*c.Parameters, layout_.parameters);
    place(*c.Logo, layout_.logo);
    c.Logo->setPixmap(programPicture(QSize(layout_.logo.width, std::min(layout_.logo.height, layout_.logo.width))));
    c.Logo->setVisible(layout_.logoVisible);
    place(*c.DrawArea, layout_.drawArea);
}

void MainWindow::placeRender() { place(*controls_.Render, layout_.render); }

bool MainWindow::liveRendering() const { return controls_.button("Render")->isChecked(); }

// The one place the project's mark changes, and the one order of the
// follow-ups: the mark, the manager's rows, the section box, the tabs, the
// 2D view, the 3D view (rebuilt once).
void MainWindow::follow(Effects effects) {
    if (has(effects, Effects::Saved)) state_.savedProject = true;
    if (has(effects, Effects::Unsaved)) state_.savedProject = false;
    if (has(effects, Effects::ManagerRows)) manager_->update();
    if (has(effects, Effects::FitSectionBox)) views_->zoomSectionBox();
    if (has(effects, Effects::DrawSectionBox)) views_->drawSectionBox();
    const auto refill = [&](Effects tab, void (ParameterPanels::*fill)()) {
        if (has(effects, tab)) skipOnFailure([&] { (*panels_.*fill)(); });
    };
    refill(Effects::RefillWingTab, &ParameterPanels::updateWingInterface);
    refill(Effects::RefillStabTab, &ParameterPanels::updateStabInterface);
    refill(Effects::RefillFuselageTab, &ParameterPanels::updateFuselageInterface);
    refill(Effects::RefillFinTab, &ParameterPanels::updateRudderInterface);
    refill(Effects::RefillEquipmentTab, &ParameterPanels::updateEquipmentInterface);
    if (has(effects, Effects::RedrawView)) views_->show(state_.mode);
    if (has(effects, Effects::Rebuild3D) || (has(effects, Effects::Render3D) && liveRendering())) {
        skipOnFailure([&] { renderView_->renderScene(true); });
    }
}

void MainWindow::initVTopView() { views_->show(ViewKind::VTop); }
void MainWindow::initFrontView() { views_->show(ViewKind::Front); }
void MainWindow::initSideView() { views_->show(ViewKind::Side); }
void MainWindow::initHTopView() { views_->show(ViewKind::HTop); }
ViewState MainWindow::fittedView(ViewKind kind) { return views_->fittedView(kind); }
void MainWindow::zoomSectionBox() { views_->zoomSectionBox(); }

void MainWindow::Parameters_Click() {
    if (tab() == ParameterTab::Wing || tab() == ParameterTab::Stab) {
        skipOnFailure([&] { plane_.fuselages.current().selected = false; });
    }
}

void MainWindow::Bar_ButtonClick(const QString& key) { toolbar_->buttonClick(key); }

// Closing asks first, whatever closes the window. Unsaved changes are
// offered to the Save command first, and the window closes only when they
// were saved or given up; without them the quit question is asked. On
// closing, the window takes down what it started.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!mayClose()) {
        event->ignore();
        return;
    }
    shutDown();
    event->accept();
}

bool MainWindow::mayClose() {
    if (state_.savedProject) return dialogs().question(QStringLiteral("Do you really want to quit Ferlo ?"));
    switch (dialogs().askToSave(QStringLiteral("The current project has not been saved.\n"
                                               "Do you want to save it before quitting ?"))) {
    case SaveAnswer::Save:
        Bar_ButtonClick(QStringLiteral("Save"));
        return state_.savedProject;
    case SaveAnswer::Discard: return true;
    case SaveAnswer::Cancel: return false;
    }
    return false;
}

void MainWindow::shutDown() {
    // The operation's ending may clear the hook: run it from a copy.
    if (const std::function<void()> end = endLongOperation) end();
    controls_.Timer1->stop();
    help_->helpQuit();
    skipOnFailure([&] { prefs_->writeAll(); });
    manager_->hide();
}

// The main window is always shown maximised: a restored window is maximised
// again at once; a minimised one stays minimised.
void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isVisible()) return;
    if ((windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) == 0) {
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() | Qt::WindowMaximized); });
    }
}

}  // namespace ferlo
