#include "view3d/scene_view.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>

#include <GL/gl.h>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "support/fake_image_converter.h"
#include "support/project_text.h"
#include "support/temp_dir.h"
#include "view3d/qt_image_converter.h"
#include "view3d/surface_format.h"

namespace ferlo {
namespace {

// A fatal-error notifier that keeps what it was given.
class RecordingFatal : public FatalErrorNotifier {
public:
    void fatalError(const QString& title, const QString& text) override { calls.push_back({title, text}); }
    std::vector<std::pair<QString, QString>> calls;
};

// The camera the start-up timer sets: pans and zoom 0, yaw 900, pitch 200.
constexpr CameraPose kStartCamera{0, 0, 0, 900, 200};

void savePicture(const QImage& image, const std::string& name) {
    const std::filesystem::path file = std::filesystem::path(FERLO_OUTPUT_DIR) / (name + ".png");
    std::filesystem::create_directories(file.parent_path());
    EXPECT_TRUE(image.save(QString::fromStdString(file.string()), "PNG")) << file;
}

bool isBlack(QRgb pixel) { return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0; }

int litPixels(const QImage& image) {
    int lit = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) lit += !isBlack(image.pixel(x, y));
    }
    return lit;
}

// Pixels of exactly this colour.
int countColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    }
    return count;
}

class SceneViewTest : public ::testing::Test {
protected:
    void SetUp() override { newPlane(plane); }

    // A view of `plane` of the given size, started as the editor starts it:
    // initGL, then the first camera.
    std::unique_ptr<SceneView> startedView(int width = 320, int height = 240) {
        auto view = std::make_unique<SceneView>(plane, services);
        view->resize(width, height);
        view->initGL();
        look(*view, kStartCamera);
        return view;
    }

    static void look(SceneView& view, const CameraPose& camera) {
        view.setViewTransform(camera.panX, camera.panY, camera.zoom, camera.yaw, camera.pitch);
    }

    static QImage picture(SceneView& view) { return view.grabFramebuffer().convertToFormat(QImage::Format_RGB32); }

    // The matrix `name` of the view's context after its last paint.
    static std::array<double, 16> glMatrix(SceneView& view, GLenum name) {
        view.makeCurrent();
        std::array<double, 16> m{};
        glGetDoublev(name, m.data());
        view.doneCurrent();
        return m;
    }

    Plane plane;
    QtImageConverter converter;
    testing::RecordingProgress progress;
    TextureErrorLog textureErrors;
    RecordingFatal fatal;
    SceneServices services{converter, progress, textureErrors, fatal};
};

TEST_F(SceneViewTest, DefaultAircraftOnABlackBackground) {
    auto view = startedView(400, 300);
    view->show();
    view->renderScene(true);
    const QImage image = picture(*view);
    savePicture(image, "view3d_default_aircraft");
    ASSERT_EQ(image.size(), QSize(400, 300));
    EXPECT_TRUE(fatal.calls.empty());
    EXPECT_TRUE(view->listValid());

    // The aircraft fills the middle; the corners show the black background.
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) EXPECT_FALSE(isBlack(image.pixel(200 + dx, 150 + dy))) << dx << " " << dy;
    }
    for (const QPoint corner : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 299), QPoint(399, 299), QPoint(5, 5)}) {
        EXPECT_TRUE(isBlack(image.pixel(corner))) << corner.x() << " " << corner.y();
    }
    EXPECT_GT(litPixels(image), 400 * 300 / 30);
}

TEST_F(SceneViewTest, ReplayShowsTheRecordedSceneUntilARebuild) {
    auto view = startedView();
    const QImage first = picture(*view);
    EXPECT_EQ(picture(*view), first);  // an expose draws the same picture

    plane.mainWing.wing(1).colorSet({255, 0, 0});
    view->renderScene(false);
    EXPECT_EQ(picture(*view), first);  // the list still holds the old colour
    view->renderScene(true);
    EXPECT_NE(picture(*view), first);
}

TEST_F(SceneViewTest, TransparentFuselageBlendsWithWhatLiesBehindIt) {
    // The wing seen from above and ahead through the fuselage: three
    // pictures, the fuselage hidden, opaque and transparent.
    plane.mainWing.wing(1).colorSet({240, 40, 40});
    plane.fuselages.fuselage(1).colorSet({40, 40, 240});
    auto view = startedView();
    look(*view, {0, 0, -100, 900, 200});  // closer
    plane.fuselages.setShown(1, false);
    view->renderScene(true);
    const QImage hidden = picture(*view);
    plane.fuselages.setShown(1, true);
    view->renderScene(true);
    const QImage opaque = picture(*view);
    plane.fuselages.fuselage(1).transparent = true;
    view->renderScene(true);
    const QImage transparent = picture(*view);
    savePicture(transparent, "view3d_transparent_fuselage");

    // Where the fuselage lies in front, the transparent one gives 0.7 of
    // its own colour over 0.3 of what lies behind it (where its own far side
    // was drawn first, that is behind it too); elsewhere nothing changes.
    int fuselagePixels = 0, blended = 0, overWing = 0, wingShowsThrough = 0;
    for (int y = 0; y < hidden.height(); ++y) {
        for (int x = 0; x < hidden.width(); ++x) {
            const QRgb behind = hidden.pixel(x, y), own = opaque.pixel(x, y), blend = transparent.pixel(x, y);
            if (own == behind) {
                EXPECT_EQ(blend, behind) << x << " " << y;
                continue;
            }
            ++fuselagePixels;
            auto mixes = [](int front, int back, int result) { return std::abs(0.7 * front + 0.3 * back - result) <= 3; };
            blended += mixes(qRed(own), qRed(behind), qRed(blend)) && mixes(qGreen(own), qGreen(behind), qGreen(blend)) &&
                       mixes(qBlue(own), qBlue(behind), qBlue(blend));
            if (qRed(behind) > 100) {
                ++overWing;
                wingShowsThrough += qRed(blend) > qRed(own) + 20;
            }
        }
    }
    EXPECT_GT(fuselagePixels, 1000);
    EXPECT_GT(blended, fuselagePixels * 9 / 10);
    EXPECT_GT(overWing, 100);
    EXPECT_GT(wingShowsThrough, overWing * 9 / 10);
}

// A texture image in two colours no lit part gives: orange on its left
// half, sky blue on its right half (turned, the halves lie along the span).
constexpr QRgb kOrange = qRgb(250, 130, 10);
constexpr QRgb kSky = qRgb(10, 130, 250);

std::string writeTwoColourImage(const testing::TempDir& dir) {
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) image.setPixel(x, y, x < 32 ? kOrange : kSky);
    }
    const std::string path = (dir.path() / "two colours.bmp").string();
    EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
    return path;
}

TEST_F(SceneViewTest, TexturedWingPanelShowsItsImageColours) {
    testing::TempDir dir;
    auto view = startedView();
    const QImage plain = picture(*view);
    EXPECT_EQ(countColour(plain, kOrange) + countColour(plain, kSky), 0);

    plane.mainWing.wing(1).setTexture(writeTwoColourImage(dir));
    view->renderScene(true);
    const QImage textured = picture(*view);
    savePicture(textured, "view3d_textured_wing");
    EXPECT_TRUE(textureErrors.takePending().empty());
    EXPECT_GT(countColour(textured, kOrange), 200);
    EXPECT_GT(countColour(textured, kSky), 200);

    // A context made again (each initialisation makes one) gets its fixed
    // state, list and texture again; the view moved into a window and shown
    // draws the same.
    bool contextReleased = false;
    QObject::connect(view->context(), &QOpenGLContext::aboutToBeDestroyed, [&] { contextReleased = true; });
    view->initGL();
    look(*view, kStartCamera);
    EXPECT_TRUE(contextReleased);
    EXPECT_EQ(picture(*view), textured);
    QWidget window;
    window.resize(320, 240);
    view->setParent(&window);
    window.show();
    view->show();
    QApplication::processEvents();
    EXPECT_EQ(picture(*view), textured);
    view->setParent(nullptr);
}

TEST_F(SceneViewTest, InitialisationsSetTheProjectionAndTheCommittedAngles) {
    auto view = startedView(400, 300);
    view->camera().viewYaw = 10;
    view->camera().viewPitch = 20;
    view->camera().viewZoom = 30;
    struct Step {
        const char* what;
        double size;  // NaN: initGL
        double halfWidth;
    };
    const double initGL = std::numeric_limits<double>::quiet_NaN();
    for (const Step& step : {Step{"initGL", initGL, 100}, Step{"initGLFrustum 50", 50, 50},
                             Step{"initGLFrustum 0", 0, 50}, Step{"initGLFrustum -20", -20, 50},
                             Step{"initGLFrustum not a number", std::numeric_limits<double>::quiet_NaN(), 50},
                             Step{"initGLFrustum infinite", std::numeric_limits<double>::infinity(), 50},
                             Step{"initGL again", initGL, 100}, Step{"initGLFrustum 250", 250, 250}}) {
        if (std::isnan(step.size) && std::string(step.what).starts_with("initGL") &&
            !std::string(step.what).starts_with("initGLFrustum")) {
            view->initGL();
        } else {
            view->initGLFrustum(step.size);
        }
        const QImage image = picture(*view);
        const auto projection = glMatrix(*view, GL_PROJECTION_MATRIX);
        // glFrustum puts 2 near / (right - left) and 2 near / (top - bottom)
        // on the diagonal (in single precision); the near plane lies at 100.
        EXPECT_NEAR(100 / projection[0], step.halfWidth, step.halfWidth * 1e-6) << step.what;
        EXPECT_NEAR(100 / projection[5], step.halfWidth * 300 / 400, step.halfWidth * 1e-6) << step.what;
        EXPECT_EQ(view->frustumSize(), step.halfWidth) << step.what;
        EXPECT_GT(litPixels(image), 100) << step.what << ": the model is in view";
    }
    EXPECT_EQ(view->camera().viewYaw, 900);
    EXPECT_EQ(view->camera().viewPitch, 450);
    EXPECT_EQ(view->camera().viewZoom, 30);  // not an initialisation's
}

TEST_F(SceneViewTest, ModelViewIsTheCameraAboutTheCurrentFuselageMiddle) {
    ASSERT_TRUE(plane.fuselages.addFuselage(false, plane.units, plane.defaultColor));
    plane.fuselages.fuselage(2).pos_offset = 1000;  // the second one runs from 1000 to 1800
    plane.fuselages.currentFuselage = 1;
    auto view = startedView();
    const CameraPose pose{40, -60, 100, 450, 300};
    for (const int current : {1, 2}) {
        plane.fuselages.currentFuselage = static_cast<std::int16_t>(current);
        const MeshSections& fuselage = plane.fuselages.current();
        look(*view, pose);
        view->renderScene(false);
        picture(*view);
        const CameraTransform expected =
            viewTransform(pose, plane.units, (fuselage.startpoint() + fuselage.lengthPoint()) / 2);
        const auto modelView = glMatrix(*view, GL_MODELVIEW_MATRIX);
        for (std::size_t k = 0; k < 16; ++k) {
            EXPECT_NEAR(modelView[k], expected.modelView[k], 1e-3) << "fuselage " << current << " element " << k;
        }
        view->makeCurrent();
        std::array<GLfloat, 4> light{};
        glGetLightfv(GL_LIGHT0, GL_POSITION, light.data());
        view->doneCurrent();
        for (std::size_t k = 0; k < 4; ++k) EXPECT_NEAR(light[k], expected.lightPosition[k], 1e-2) << k;
    }
    EXPECT_EQ(plane.fuselages.fuselage(2).startpoint(), 1000);

    // No current fuselage: the pivot stays at the origin.
    plane.fuselages.currentFuselage = 7;
    look(*view, pose);
    picture(*view);
    const auto modelView = glMatrix(*view, GL_MODELVIEW_MATRIX);
    EXPECT_NEAR(modelView[12], viewTransform(pose, plane.units, 0).modelView[12], 1e-3);
}

TEST_F(SceneViewTest, WorksAtZeroSizeWhileBeingLaidOut) {
    auto view = std::make_unique<SceneView>(plane, services);
    view->resize(0, 0);
    view->show();
    view->initGL();
    look(*view, kStartCamera);
    view->renderScene(true);
    QApplication::processEvents();
    EXPECT_TRUE(fatal.calls.empty());

    view->resize(300, 200);
    QApplication::processEvents();
    const QImage image = picture(*view);
    EXPECT_FALSE(isBlack(image.pixel(150, 100)));
    EXPECT_TRUE(isBlack(image.pixel(0, 0)));
}

TEST_F(SceneViewTest, RenderingLeavesTheModelAsItWas) {
    ASSERT_TRUE(plane.fuselages.addFuselage(false, plane.units, plane.defaultColor));
    plane.fuselages.setShown(1, false);
    plane.fuselages.currentFuselage = 1;
    plane.fuselages.fuselage(2).transparent = true;
    const std::string before = testing::projectText(plane);
    auto view = startedView();
    view->renderScene(true);
    picture(*view);
    view->initGLFrustum(50);
    picture(*view);
    EXPECT_EQ(testing::projectText(plane), before);
    EXPECT_EQ(plane.fuselages.currentFuselage, 1);
}

// A context without the fixed-function pipeline is refused by the probe and,
// where the view gets one all the same, is the fatal error.
TEST_F(SceneViewTest, ContextWithoutTheFixedFunctionPipelineIsFatal) {
    QOffscreenSurface surface;
    QOpenGLContext compatibility;
    compatibility.setFormat(sceneSurfaceFormat());
    ASSERT_TRUE(compatibility.create());
    EXPECT_TRUE(usableContext(&compatibility));
    EXPECT_FALSE(usableContext(nullptr));
    EXPECT_TRUE(canMakeSceneContext(sceneSurfaceFormat()));

    QSurfaceFormat core = sceneSurfaceFormat();
    core.setProfile(QSurfaceFormat::CoreProfile);
    core.setVersion(3, 3);
    QOpenGLContext coreContext;
    coreContext.setFormat(core);
    if (!coreContext.create() || coreContext.format().profile() != QSurfaceFormat::CoreProfile) {
        GTEST_SKIP() << "this display offers no core profile";
    }
    EXPECT_FALSE(usableContext(&coreContext));
    EXPECT_FALSE(canMakeSceneContext(core));  // the program's probe before any window shows

    SceneView view(plane, services);
    view.setFormat(core);
    view.resize(200, 150);
    view.initGL();
    view.show();
    QApplication::processEvents();
    view.grabFramebuffer();
    ASSERT_EQ(fatal.calls.size(), 1u);
    EXPECT_EQ(fatal.calls[0].first, "Fatal Error In " + QGuiApplication::applicationDisplayName());
    EXPECT_EQ(fatal.calls[0].second, "Fatal Error: Could not retrieve pixel format!");
}

}  // namespace
}  // namespace ferlo
