#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace ferlo::testing {

// Saves `image` as <build>/output/<name>.png, for a reviewer to look at.
inline std::filesystem::path saveOutputPng(const QImage& image, const std::string& name) {
    const std::filesystem::path output = std::filesystem::path(FERLO_OUTPUT_DIR) / (name + ".png");
    std::filesystem::create_directories(output.parent_path());
    EXPECT_TRUE(image.save(QString::fromStdString(output.string()), "PNG")) << output;
    return output;
}

// Saves `image` as <build>/output/<name>.png and compares it with the
// reference tests/snapshots/<name>.png: at most `tolerance` pixels may differ.
// With FERLO_UPDATE_SNAPSHOTS=1 in the environment the reference is written
// instead (for a deliberate change of a drawing; look at it before committing).
inline void expectMatchesSnapshot(const QImage& image, const std::string& name, int tolerance = 0) {
    const std::filesystem::path output = saveOutputPng(image, name);
    const std::filesystem::path reference = std::filesystem::path(FERLO_SNAPSHOT_DIR) / (name + ".png");

    const char* update = std::getenv("FERLO_UPDATE_SNAPSHOTS");
    if (update != nullptr && std::string(update) == "1") {
        ASSERT_TRUE(image.save(QString::fromStdString(reference.string()), "PNG")) << reference;
        return;
    }
    QImage expected(QString::fromStdString(reference.string()));
    ASSERT_FALSE(expected.isNull()) << "no reference " << reference << "; the drawing is in " << output;
    const QImage actual = image.convertToFormat(QImage::Format_RGB32);
    expected = expected.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(actual.size(), expected.size()) << name;
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) differing += actual.pixel(x, y) != expected.pixel(x, y);
    }
    EXPECT_LE(differing, tolerance) << name << ": " << differing << " pixels differ; see " << output;
}

}  // namespace ferlo::testing
