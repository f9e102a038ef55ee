#include "editor/qimage_canvas.h"

#include <gtest/gtest.h>

#include "base/palette.h"

namespace ferlo {
namespace {

TEST(QImageCanvas, DrawsInPaletteColoursAndErasesInWhite) {
    QImageCanvas canvas(40, 30);
    EXPECT_EQ(canvas.width(), 40);
    EXPECT_EQ(canvas.image().pixel(10, 10), QColor(Qt::white).rgb());
    canvas.setCurrentPoint(0, 10);
    canvas.lineTo(39, 10, kLightYellow);
    EXPECT_EQ(canvas.image().pixel(20, 10), QColor(255, 255, 0).rgb());
    canvas.line(0, 10, 39, 10, kWhite);
    EXPECT_EQ(canvas.image().pixel(20, 10), QColor(Qt::white).rgb());
}

TEST(QImageCanvas, InvertingTwiceRestoresTheBackground) {
    QImageCanvas canvas(40, 30);
    canvas.line(0, 5, 39, 5, kLightBlue);
    const QRgb before = canvas.image().pixel(20, 5);
    canvas.setDrawMode(Canvas::DrawMode::Invert);
    canvas.line(20, 0, 20, 29, kBlack);
    EXPECT_NE(canvas.image().pixel(20, 5), before);
    canvas.line(20, 0, 20, 29, kBlack);
    EXPECT_EQ(canvas.image().pixel(20, 5), before);
}

}  // namespace
}  // namespace ferlo
