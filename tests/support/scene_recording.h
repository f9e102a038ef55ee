#pragma once

#include <string>
#include <vector>

#include "support/point_checks.h"
#include "support/recording_scene_sink.h"

namespace ferlo::testing {

using Shape = RecordingSceneSink::Shape;

// The positions of a recorded shape's vertices, in order.
inline std::vector<Point3D> positions(const Shape& shape) {
    std::vector<Point3D> result;
    for (const auto& vertex : shape.vertices) result.push_back(vertex.position);
    return result;
}

// The points `pointOf(i)` for the indices in order.
template <typename PointOf>
std::vector<Point3D> pointsAt(const std::vector<int>& indices, PointOf pointOf) {
    std::vector<Point3D> result;
    for (const int i : indices) result.push_back(pointOf(i));
    return result;
}

// The two lists hold the same points in the same order, to within rounding.
inline void expectSamePoints(const std::vector<Point3D>& actual, const std::vector<Point3D>& expected,
                             const std::string& what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t k = 0; k < actual.size(); ++k) expectNear(actual[k], expected[k], what + " #" + std::to_string(k));
}

}  // namespace ferlo::testing
