#include "editor/start_up.h"

#include <cmath>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QTimer>

#include "document/plane_operations.h"
#include "editor/canvas_widget.h"
#include "editor/demonstration.h"
#include "editor/drawing_area.h"
#include "editor/failure_rule.h"
#include "editor/fuselage_manager.h"
#include "editor/help.h"
#include "editor/main_window.h"
#include "editor/parameter_panels.h"
#include "editor/preferences.h"
#include "editor/render_view.h"
#include "editor/screen_measure.h"
#include "editor/small_fonts.h"
#include "editor/splash.h"
#include "editor/tracing_pictures.h"
#include "editor/user_dialogs.h"
#include "ui_core/main_window_layout.h"
#include "ui_core/preferences_file.h"

namespace ferlo {

namespace {

// The demonstration state that asks for the demonstration, as the preferences hold it.
const QString kRunDemonstration = QStringLiteral("DoIt");

// The start-up timer counts the 3D zoom down from here: its first tick ends it.
constexpr double kStartZoom = 100;
constexpr double kZoomStep = 100;
constexpr double kLastZoom = 150;
// The first 3D camera's angles, in tenths of a degree.
constexpr double kStartYaw = 900;
constexpr double kStartPitch = 200;

}  // namespace

void runFirstUseDemonstration(MainWindow& main) { main.demonstration().run(); }

QString programVersion() { return QStringLiteral(FERLO_VERSION); }

std::unique_ptr<MainWindow> startUp(EditorEnvironment& env) {
    const QDir config(env.paths.configFolder);
    QFile::remove(config.filePath(kLogFileName));

    Splash splash;
    splash.smallFontsVariable =
        smallFontsMode(env.screen.logicalDpi(), QFile::exists(config.filePath(kPreferencesFileName)));
    splash.lblVersion->setText(QStringLiteral("Version ") + programVersion());
    if (splash.smallFontsVariable) enlargeForSmallFonts(splash);
    const QSize area = env.screen.workArea();
    splash.move((area.width() - splash.width()) / 2, (area.height() - splash.height()) / 2);
    splash.show();
    splash.repaint();
    QCoreApplication::processEvents();

    auto main = std::make_unique<MainWindow>(env);
    main->init(splash.smallFontsVariable);
    main->showMaximized();
    main->setTab(ParameterTab::Wing);
    main->prefs().load(splash.smallFontsVariable);
    skipOnFailure([&] { splash.demostate = main->prefs().readAll(); });
    if (splash.demostate == kRunDemonstration) skipOnFailure([&] { runFirstUseDemonstration(*main); });
    splash.close();
    return main;
}

void MainWindow::init(bool smallFonts) {
    MainControls& c = controls_;
    help_->helpInit(env_.paths.dataFolder);
    setWindowTitle(QStringLiteral("Ferlo V") + programVersion());
    skipOnFailure([&] { layOut(smallFonts); });
    const QRect drawArea = c.DrawArea->geometry();
    help_->helpSetWindowPos(drawArea.x(), drawArea.y(), drawArea.width(), drawArea.height());
    skipOnFailure([&] { newPlane(plane_); });
    zoomSectionBox();
    state_.view.shiftkey = false;
    state_.view.ctrlkey = false;
    state_.view.altkey = false;
    plane_.mainWing.currentWing = 1;
    state_.mode = ViewKind::VTop;
    skipOnFailure([&] { createAll(plane_); });
    follow(Effects::Saved | Effects::ManagerRows);
    pictures_->resetAtStartUp();
    follow(Effects::RefillWingTab | Effects::RefillStabTab | Effects::RefillFuselageTab | Effects::RefillFinTab |
           Effects::RefillEquipmentTab);
    initVTopView();
    c.Render->setEnabled(true);
    c.Render->show();
    placeRender();
    skipOnFailure([&] { renderView_->initGL(); });
    c.Timer1->start();
    renderView_->setViewZoom(kStartZoom);
    follow(Effects::Rebuild3D);
}

void MainWindow::Timer1_Timer() {
    const double zoom = renderView_->viewZoom() - kZoomStep;
    renderView_->setViewZoom(zoom);
    if (zoom < kLastZoom) {
        controls_.Timer1->stop();
        if (prefs_->inchesOption()) skipOnFailure([&] { prefs_->applyPreferences(); });
    }
    skipOnFailure([&] { renderView_->setViewTransform(0, 0, zoom, kStartYaw, kStartPitch); });
    follow(Effects::Rebuild3D);
}

}  // namespace ferlo
