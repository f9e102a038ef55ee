#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <QImage>
#include <QTest>
#include <QTimer>

#include <GL/gl.h>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "document/project_file.h"
#include "editor/preferences.h"
#include "editor/scene_view_host.h"
#include "fuselage/mesh_sections.h"
#include "support/editor_window.h"
#include "support/fake_image_converter.h"
#include "support/snapshot.h"
#include "support/temp_dir.h"
#include "surfaces/vert_wing_section.h"
#include "surfaces/wing_section.h"
#include "ui_core/camera_drag.h"
#include "view3d/scene_view.h"

namespace ferlo {
namespace {

// The editor with its real 3D view, after the start-up timer's tick and the
// first frame.
struct EditorWithScene {
    EditorWithScene() {
        editor.env.makeRenderView = [this](Plane& plane, QWidget& box) {
            return createSceneView(plane, box, editor.dialogs);
        };
        editor.start();
        if (!QTest::qWaitFor([this] { return !main().controls().Timer1->isActive(); }, 5000)) {
            ADD_FAILURE() << "the start-up timer runs on";
        }
        scene().grabFramebuffer();
    }
    MainWindow& main() { return *editor.main; }
    SceneView& scene() { return *main().controls().Render->findChild<SceneView*>(); }

    // Opens the project file `path` through the toolbar.
    void open(const std::filesystem::path& path) {
        editor.dialogs.openChoices = {{QString::fromStdString(path.string()), 1}};
        main().Bar_ButtonClick("Open");
    }

    testing::EditorWindow editor;
};

// The default aircraft with `count` fuselages of 1000 sections of `points`
// outline points each, saved.
std::filesystem::path savedLargeFuselages(const testing::TempDir& dir, int count, int points) {
    Plane project;
    newPlane(project);
    for (int k = 2; k <= count; ++k) project.fuselages.addFuselage(false, project.units, project.defaultColor);
    for (int k = 1; k <= count; ++k) {
        MeshSections& f = project.fuselages.fuselage(k);
        f.nb_sections = 1000;
        f.nb_cross = static_cast<std::int16_t>(points);
        f.initArrays();
        for (int d = 1; d <= 1000; ++d) {
            f.sel_sec = static_cast<std::int16_t>(d);
            f.posSet(d + 0.25);
            f.heightSet(60 + 40 * std::sin(d / 100.0));
            f.widthSet(60);
        }
    }
    testing::FakeImageConverter converter;
    const std::filesystem::path path = dir.path() / "fuselages.flx";
    saveProject(project, path, converter);
    return path;
}

// The default aircraft saved in `unit`.
std::filesystem::path savedDefaultAircraft(const testing::TempDir& dir, LengthUnit unit) {
    Plane project;
    newPlane(project);
    switchUnits(project, unit);
    testing::FakeImageConverter converter;
    const std::filesystem::path path = dir.path() / "aircraft.flx";
    saveProject(project, path, converter);
    return path;
}

int litPixels(const QImage& image) {
    int lit = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) lit += qGray(image.pixel(x, y)) > 20;
    }
    return lit;
}

// Open asks for two renders with a rebuild (the project is drawn again
// after the tabs are filled); the view builds the geometry and records the
// scene once for both.
TEST(EditorSceneView, OpenRebuildsTheSceneOnce) {
    testing::TempDir dir;
    EditorWithScene e;
    const int before = e.scene().rebuilds();
    e.open(savedDefaultAircraft(dir, LengthUnit::Millimeters));
    ASSERT_TRUE(QTest::qWaitFor([&] { return e.scene().listValid(); }, 5000));
    QTest::qWait(50);
    e.scene().grabFramebuffer();
    EXPECT_EQ(e.scene().rebuilds() - before, 1);
    EXPECT_TRUE(e.editor.dialogs.warnings.empty());
}

// A project in the other unit: the 3D view shows the committed camera with
// the project's unit (an inch model is drawn 25 times larger), not a speck
// of the aircraft (inches under the millimetre camera) nor a view from
// inside it (the reverse).
TEST(EditorSceneView, OpeningAProjectInTheOtherUnitShowsTheCommittedCameraInThatUnit) {
    for (const LengthUnit projectUnit : {LengthUnit::Inches, LengthUnit::Millimeters}) {
        const bool inches = projectUnit == LengthUnit::Inches;
        SCOPED_TRACE(inches ? "inch project" : "millimetre project");
        testing::TempDir dir;
        EditorWithScene e;
        if (!inches) {
            e.main().prefs().selectUnitOption(LengthUnit::Inches);
            e.main().prefs().applyPreferences();
        }
        const QImage before = e.scene().grabFramebuffer();
        e.open(savedDefaultAircraft(dir, projectUnit));
        ASSERT_EQ(e.main().plane().units, projectUnit);
        const QImage after = e.scene().grabFramebuffer();
        testing::saveOutputPng(after, std::string("view3d_opened_") + (inches ? "inch" : "millimetre") + "_project");

        const MeshSections& current = e.main().plane().fuselages.current();
        const CameraTransform expected = viewTransform(committedPose(e.scene().camera()), projectUnit,
                                                       pivotBetween(current.startpoint(), current.lengthPoint()));
        e.scene().makeCurrent();
        std::array<double, 16> modelView{};
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
        e.scene().doneCurrent();
        for (std::size_t k = 0; k < 16; ++k) EXPECT_NEAR(modelView[k], expected.modelView[k], 1e-3) << k;

        // The aircraft about as large as before the Open.
        const int area = after.width() * after.height();
        EXPECT_GT(litPixels(after), litPixels(before) / 3);
        EXPECT_LT(litPixels(after), area / 2);
    }
}

// The built-in airfoil's points from the trailing edge along the lower
// surface round the leading edge and back along the upper one, or the same
// points the other way round (the upper surface first, as many published
// airfoil files list them), as an airfoil file.
std::string airfoilFile(bool upperFirst) {
    std::vector<std::string> points = {"1 0",     "0.6 -0.06", "0.3 -0.065", "0.225 -0.0625", "0.15 -0.06",
                                       "0.1 -0.05", "0.05 -0.04", "0 -0.005", "0 0.005",  "0.05 0.04",
                                       "0.1 0.05",  "0.15 0.06",  "0.2 0.0625", "0.3 0.065", "0.6 0.06",
                                       "1 0"};
    if (upperFirst) std::reverse(points.begin(), points.end());
    std::string text = "Test airfoil\n";
    for (const std::string& point : points) text += point + "\n";
    return text;
}

// An airfoil imported upper surface first shades the wing as the same
// points lower surface first do: its normals face out of the wing too.
TEST(EditorSceneView, AnAirfoilListedEitherWayRoundShadesAlike) {
    testing::TempDir dir;
    EditorWithScene e;
    QImage pictures[2];
    for (const bool upperFirst : {false, true}) {
        const std::string path = dir.write(upperFirst ? "upper.xy" : "lower.xy", airfoilFile(upperFirst));
        e.editor.dialogs.openChoices = {{QString::fromStdString(path), 2}};
        e.main().Bar_ButtonClick("Open");
        ASSERT_EQ(e.main().plane().mainWing.wing(1).nb, 16);
        pictures[upperFirst] = e.scene().grabFramebuffer();
        testing::saveOutputPng(pictures[upperFirst],
                               std::string("view3d_airfoil_") + (upperFirst ? "upper" : "lower") + "_surface_first");
    }
    EXPECT_TRUE(e.editor.dialogs.warnings.empty());
    // The same triangles, split along other diagonals: a few edge pixels
    // differ, the shading does not.
    int lit = 0, differing = 0;
    for (int y = 0; y < pictures[0].height(); ++y) {
        for (int x = 0; x < pictures[0].width(); ++x) {
            const int lower = qGray(pictures[0].pixel(x, y));
            const int upper = qGray(pictures[1].pixel(x, y));
            lit += lower > 20;
            differing += std::abs(lower - upper) > 16;
        }
    }
    EXPECT_GT(lit, 5000);
    EXPECT_LT(differing, lit / 50);
}

// A texture that cannot be read is found when the 3D view rebuilds its
// scene, inside its next frame; the warning comes once the event loop is
// back, once for a panel's two halves, with the part's first line, the file
// and the reason, and the part is drawn plain. The fin and a fuselage report
// the same way.
TEST(EditorSceneView, ATextureThatCannotBeReadIsReportedAfterTheFrame) {
    testing::TempDir dir;
    const std::string image = dir.write("broken.bmp", "not a picture");
    struct Case {
        ParameterTab tab;
        const char* firstLine;
    };
    for (const Case c : {Case{ParameterTab::Wing, kWingSectionTextureError}, Case{ParameterTab::Fin, kFinTextureError},
                         Case{ParameterTab::Fuselage, kFuselageTextureError}}) {
        SCOPED_TRACE(c.firstLine);
        EditorWithScene e;
        e.main().setTab(c.tab);
        e.editor.dialogs.openChoices = {{QString::fromStdString(image), 3}};
        e.main().Bar_ButtonClick("Open");
        EXPECT_TRUE(e.editor.dialogs.warnings.empty());  // nothing shown from inside a command or a frame
        e.scene().grabFramebuffer();
        EXPECT_TRUE(e.editor.dialogs.warnings.empty());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !e.editor.dialogs.warnings.empty(); }, 5000));
        QTest::qWait(50);
        ASSERT_EQ(e.editor.dialogs.warnings.size(), 1u);
        EXPECT_EQ(e.editor.dialogs.warnings[0].toStdString(),
                  std::string(c.firstLine) + "\n" + image + ": " + "Unsupported image format");
        EXPECT_TRUE(e.scene().listValid());
        // The next rebuilds try the image again without a second message.
        e.scene().renderScene(true);
        e.scene().grabFramebuffer();
        QTest::qWait(50);
        EXPECT_EQ(e.editor.dialogs.warnings.size(), 1u);
    }
}

long statusKilobytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(key + ":")) return std::stol(line.substr(key.size() + 1));
    }
    ADD_FAILURE() << key << " not found";
    return 0;
}

// What the process holds in memory, and the most it has held since the last
// resetMemoryPeak, in bytes.
std::int64_t residentBytes() { return std::int64_t{statusKilobytes("VmRSS")} * 1024; }
std::int64_t peakResidentBytes() { return std::int64_t{statusKilobytes("VmHWM")} * 1024; }
void resetMemoryPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// A fuselage of 1000 x 1000 points costs the editor no more a point than the
// mesh-point bound assumes, and a rebuild of the 3D view never holds its
// geometry twice: the earlier display list goes before the new one is
// recorded, and the normals are made two sections at a time.
TEST(EditorSceneView, LargeMeshesCostWhatTheBoundAssumesAndARebuildHoldsThemOnce) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer keeps freed memory in quarantine";
#endif
    testing::TempDir dir;
    const std::filesystem::path path = savedLargeFuselages(dir, 1, 1000);
    EditorWithScene e;
    const std::int64_t beforeOpen = residentBytes();
    e.open(path);
    ASSERT_TRUE(e.editor.dialogs.warnings.empty());
    e.scene().grabFramebuffer();
    const std::int64_t opened = residentBytes();
    const std::int64_t meshCost = opened - beforeOpen;
    EXPECT_LT(meshCost, FuselageList::kEditorBytesPerMeshPoint * 1000 * 1000);

    resetMemoryPeak();
    const int rebuilds = e.scene().rebuilds();
    e.main().Bar_ButtonClick("Render");  // a rebuild
    e.scene().grabFramebuffer();
    EXPECT_EQ(e.scene().rebuilds(), rebuilds + 1);
    EXPECT_LT(peakResidentBytes() - opened, meshCost / 4)
        << "the editor held " << meshCost << " bytes for the mesh";
}

// A project whose fuselages ask for more mesh points than the bound is
// refused; the warning says how many it asks for and the bound.
TEST(EditorSceneView, AProjectAboveTheMeshBoundIsRefusedWithItsSizeAndTheBound) {
    testing::TempDir dir;
    // Three fuselages of 1000 x 10 points, made 1000 x 1000 in the file
    // (a save refuses what is above the bound).
    const std::filesystem::path path = savedLargeFuselages(dir, 3, 10);
    std::string text;
    {
        std::ifstream file(path, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    const std::string narrow = "\r\n1000\r\n10\r\n";  // the sections, then the outline points
    int widened = 0;
    for (std::size_t at = text.find(narrow); at != std::string::npos; at = text.find(narrow, at + 1)) {
        text.replace(at, narrow.size(), "\r\n1000\r\n1000\r\n");
        ++widened;
    }
    ASSERT_EQ(widened, 3);
    std::ofstream(path, std::ios::binary) << text;

    EditorWithScene e;
    e.open(path);
    ASSERT_EQ(e.editor.dialogs.warnings.size(), 1u);
    const QString warning = e.editor.dialogs.warnings[0];
    EXPECT_TRUE(warning.contains("3000000 or more mesh points")) << warning.toStdString();
    EXPECT_TRUE(warning.contains("at most " + QString::number(FuselageList::kMaxMeshPoints))) << warning.toStdString();
    // What was read whole stays, as for any damaged file: the fuselages
    // within the bound.
    EXPECT_EQ(e.main().plane().fuselages.nbFuselages(), 2);
}

}  // namespace
}  // namespace ferlo
