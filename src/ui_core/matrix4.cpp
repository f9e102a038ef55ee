#include "ui_core/matrix4.h"

#include <cmath>
#include <numbers>

namespace ferlo {

Matrix4 identityMatrix() {
    Matrix4 m{};
    m[0] = m[5] = m[10] = m[15] = 1.0;
    return m;
}

Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
    Matrix4 product{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[column * 4 + k];
            product[column * 4 + row] = sum;
        }
    }
    return product;
}

Matrix4 translation(double x, double y, double z) {
    Matrix4 m = identityMatrix();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

Matrix4 scaling(double s) {
    Matrix4 m = identityMatrix();
    m[0] = m[5] = m[10] = s;
    return m;
}

Matrix4 rotation(double degrees, double x, double y, double z) {
    const double length = std::hypot(x, y, z);
    x /= length;
    y /= length;
    z /= length;
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double k = 1.0 - c;
    Matrix4 m = identityMatrix();
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

std::array<double, 4> transformPoint(const Matrix4& m, double x, double y, double z) {
    std::array<double, 4> result{};
    for (int row = 0; row < 4; ++row) result[row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
    return result;
}

}  // namespace ferlo
