#pragma once

#include <array>

namespace ferlo {

// A 4 x 4 matrix as OpenGL takes it, column-major: element (row, column) at
// column * 4 + row. Products multiply onto the right, as glRotate and
// glTranslate multiply onto the current matrix.
using Matrix4 = std::array<double, 16>;

Matrix4 identityMatrix();
Matrix4 operator*(const Matrix4& a, const Matrix4& b);
Matrix4 translation(double x, double y, double z);
Matrix4 scaling(double s);
// A turn by `degrees` about the axis (x, y, z), counter-clockwise when the
// axis points at the viewer, as OpenGL's glRotate makes it.
Matrix4 rotation(double degrees, double x, double y, double z);
// The point (x, y, z, 1) transformed.
std::array<double, 4> transformPoint(const Matrix4& m, double x, double y, double z);

}  // namespace ferlo
