#include "view3d/camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ferlo {

namespace {

// 4 x 4 matrices, column-major: element (row, column) at column * 4 + row.
using Matrix = std::array<double, 16>;

Matrix identity() {
    Matrix m{};
    m[0] = m[5] = m[10] = m[15] = 1.0;
    return m;
}

Matrix operator*(const Matrix& a, const Matrix& b) {
    Matrix product{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[column * 4 + k];
            product[column * 4 + row] = sum;
        }
    }
    return product;
}

Matrix translation(double x, double y, double z) {
    Matrix m = identity();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

Matrix scaling(double s) {
    Matrix m = identity();
    m[0] = m[5] = m[10] = s;
    return m;
}

// A turn by `degrees` about the axis (x, y, z), counter-clockwise when the
// axis points at the viewer, as OpenGL's glRotate makes it.
Matrix rotation(double degrees, double x, double y, double z) {
    const double length = std::hypot(x, y, z);
    x /= length;
    y /= length;
    z /= length;
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double k = 1.0 - c;
    Matrix m = identity();
    m[0] = x * x * k + c;
    m[1] = y * x * k + z * s;
    m[2] = x * z * k - y * s;
    m[4] = x * y * k - z * s;
    m[5] = y * y * k + c;
    m[6] = y * z * k + x * s;
    m[8] = x * z * k + y * s;
    m[9] = y * z * k - x * s;
    m[10] = z * z * k + c;
    return m;
}

std::array<double, 4> transformPoint(const Matrix& m, double x, double y, double z) {
    std::array<double, 4> result{};
    for (int row = 0; row < 4; ++row) result[row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
    return result;
}

// The light and the pitch axis take pi as 3.14: tenths of a degree to radians.
constexpr double kTenthsToRadians = 3.14 / 10.0 / 180.0;

}  // namespace

CameraTransform viewTransform(const CameraPose& pose, LengthUnit units, double pivotX) {
    // The pivot 1000 units ahead, the pans and the zoom, the model's z axis
    // up the screen, then the yaw and the pitch.
    const double a = -(pose.yaw * kTenthsToRadians);
    const Matrix turned = translation(0, 0, -1000) * translation(pose.panX / 5, 0, 0) *
                          translation(0, pose.panY / 5, 0) * translation(0, 0, -5 * pose.zoom) *
                          rotation(-90, 1, 0, 0) * rotation(pose.yaw / 10, 0, 0, 1) *
                          rotation(pose.pitch / 10, std::cos(a), std::sin(a), 0);

    // The light is given in the turned model's coordinates, on the viewer's side.
    const double t = pose.yaw * kTenthsToRadians;
    const double p = pose.pitch * kTenthsToRadians;
    CameraTransform transform;
    transform.lightPosition = transformPoint(turned, -1000 * std::sin(t) * std::cos(p),
                                             -1000 * std::cos(t) * std::cos(p), 1000 * std::sin(p));

    const Matrix scaled = units == LengthUnit::Inches ? turned * scaling(25) : turned;
    transform.modelView = scaled * translation(-pivotX, 0, 0);
    return transform;
}

double pivotBetween(double startpoint, double lengthPoint) {
    const double middle = startpoint / 2 + lengthPoint / 2;
    return std::isfinite(middle) ? middle : 0.0;
}

bool isFinite(const CameraTransform& transform) {
    auto finite = [](double value) { return std::isfinite(value); };
    return std::all_of(transform.modelView.begin(), transform.modelView.end(), finite) &&
           std::all_of(transform.lightPosition.begin(), transform.lightPosition.end(), finite);
}

Frustum frustumFor(double halfWidth, int width, int height) {
    const double halfHeight = halfWidth * std::max(height, 1) / std::max(width, 1);
    return {-halfWidth, halfWidth, -halfHeight, halfHeight, 100.0, 10000.0};
}

bool isFrustumSize(double size) { return std::isfinite(size) && size > 0.0; }

}  // namespace ferlo
