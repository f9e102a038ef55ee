// The camera checked against Qt's own matrix arithmetic, an independent
// composition of the same OpenGL matrix calls.
#include <cmath>

#include <QMatrix4x4>
#include <QVector3D>

#include <gtest/gtest.h>

#include "ui_core/camera.h"

namespace ferlo {
namespace {

struct CameraCase {
    const char* what;
    CameraPose pose;
    LengthUnit units;
    double pivotX;
};

// The camera as OpenGL's matrix calls would compose it, step by step, in
// Qt's own matrix arithmetic; and the light's eye position under the matrix
// before the unit scale and the pivot.
struct Composed {
    QMatrix4x4 matrix;
    QVector3D light;
};

Composed composeIndependently(const CameraCase& c) {
    const CameraPose& p = c.pose;
    QMatrix4x4 m;
    m.translate(0, 0, -1000);
    m.translate(static_cast<float>(p.panX / 5), 0, 0);
    m.translate(0, static_cast<float>(p.panY / 5), 0);
    m.translate(0, 0, static_cast<float>(-5 * p.zoom));
    m.rotate(-90, 1, 0, 0);
    m.rotate(static_cast<float>(p.yaw / 10), 0, 0, 1);
    const double a = -(p.yaw * 3.14 / 10 / 180);
    m.rotate(static_cast<float>(p.pitch / 10), static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a)), 0);
    const double t = p.yaw * 3.14 / 10 / 180;
    const double pitch = p.pitch * 3.14 / 10 / 180;
    const QVector3D light = m.map(QVector3D(static_cast<float>(-1000 * std::sin(t) * std::cos(pitch)),
                                            static_cast<float>(-1000 * std::cos(t) * std::cos(pitch)),
                                            static_cast<float>(1000 * std::sin(pitch))));
    if (c.units == LengthUnit::Inches) m.scale(25);
    m.translate(static_cast<float>(-c.pivotX), 0, 0);
    return {m, light};
}

TEST(Camera, TransformEqualsTheMatrixComposedStepByStep) {
    const CameraCase cases[] = {
        {"all zero", {0, 0, 0, 0, 0}, LengthUnit::Millimeters, 0},
        {"yaw only", {0, 0, 0, 900, 0}, LengthUnit::Millimeters, 0},
        {"pitch only", {0, 0, 0, 0, 200}, LengthUnit::Millimeters, 0},
        {"pan", {250, -120, 0, 0, 0}, LengthUnit::Millimeters, 0},
        {"zoom", {0, 0, 200, 0, 0}, LengthUnit::Millimeters, 0},
        {"start-up camera", {0, 0, 0, 900, 200}, LengthUnit::Millimeters, 0},
        {"inches", {0, 0, 0, 900, 200}, LengthUnit::Inches, 0},
        {"inches with pivot", {30, 40, -50, 450, -300}, LengthUnit::Inches, 15.75},
        {"pivot at the fuselage middle", {0, 0, 0, 900, 200}, LengthUnit::Millimeters, pivotBetween(0, 800)},
        {"whole turn", {0, 0, 0, 3600, 100}, LengthUnit::Millimeters, 400},
    };
    for (const CameraCase& c : cases) {
        const CameraTransform actual = viewTransform(c.pose, c.units, c.pivotX);
        const Composed expected = composeIndependently(c);
        const float* m = expected.matrix.constData();  // column-major, as OpenGL
        for (int k = 0; k < 16; ++k) {
            // Single-precision reference: relative to the matrix's scale.
            const double scale = k % 4 == 3 || k >= 12 ? 1000.0 : 25.0;
            EXPECT_NEAR(actual.modelView[static_cast<std::size_t>(k)], m[k], 2e-6 * scale) << c.what << " element " << k;
        }
        EXPECT_NEAR(actual.lightPosition[0], expected.light.x(), 2e-3) << c.what;
        EXPECT_NEAR(actual.lightPosition[1], expected.light.y(), 2e-3) << c.what;
        EXPECT_NEAR(actual.lightPosition[2], expected.light.z(), 2e-3) << c.what;
        EXPECT_EQ(actual.lightPosition[3], 1.0) << c.what;
    }
}

// Where a model point lands in eye coordinates.
QVector3D eyePoint(const CameraTransform& transform, double x, double y, double z) {
    QMatrix4x4 m;
    for (int k = 0; k < 16; ++k) m.data()[k] = static_cast<float>(transform.modelView[static_cast<std::size_t>(k)]);
    return m.map(QVector3D(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)));
}

TEST(Camera, ZeroCameraIsASideViewOfTheFuselageMiddleWithTheLightAtTheEye) {
    const CameraTransform t = viewTransform({}, LengthUnit::Millimeters, 400);
    // The pivot 1000 units ahead; aft to the right, up upwards, the left
    // wing (positive y) away from the viewer.
    EXPECT_LT((eyePoint(t, 400, 0, 0) - QVector3D(0, 0, -1000)).length(), 1e-3);
    EXPECT_LT((eyePoint(t, 500, 0, 0) - QVector3D(100, 0, -1000)).length(), 1e-3);
    EXPECT_LT((eyePoint(t, 400, 0, 100) - QVector3D(0, 100, -1000)).length(), 1e-3);
    EXPECT_LT((eyePoint(t, 400, 100, 0) - QVector3D(0, 0, -1100)).length(), 1e-3);
    EXPECT_NEAR(std::hypot(t.lightPosition[0], t.lightPosition[1], t.lightPosition[2]), 0, 1e-9);

    // Yaw 90 degrees looks along the fuselage axis; inches scale by 25.
    const CameraTransform along = viewTransform({0, 0, 0, 900, 0}, LengthUnit::Millimeters, 400);
    const QVector3D tail = eyePoint(along, 500, 0, 0);
    EXPECT_NEAR(tail.x(), 0, 1e-3);
    EXPECT_NEAR(std::abs(tail.z() + 1000), 100, 1e-3);
    const CameraTransform inches = viewTransform({}, LengthUnit::Inches, 16);
    EXPECT_LT((eyePoint(inches, 20, 0, 0) - QVector3D(100, 0, -1000)).length(), 1e-3);
}

}  // namespace
}  // namespace ferlo
