#include "editor/qimage_canvas.h"

#include <random>
#include <set>
#include <utility>

#include <QPainter>

#include <gtest/gtest.h>

#include "base/palette.h"
#include "editor/pixel_mask.h"

namespace ferlo {
namespace {

const QRgb kWhiteRgb = QColor(Qt::white).rgb();

TEST(QImageCanvas, DrawsInPaletteColoursAndErasesInWhite) {
    QImageCanvas canvas(40, 30);
    EXPECT_EQ(canvas.width(), 40);
    EXPECT_EQ(canvas.image().pixel(10, 10), kWhiteRgb);
    canvas.setCurrentPoint(0, 10);
    canvas.lineTo(39, 10, kLightYellow);
    EXPECT_EQ(canvas.image().pixel(20, 10), QColor(255, 255, 0).rgb());
    canvas.line(0, 10, 39, 10, kWhite);
    EXPECT_EQ(canvas.image().pixel(20, 10), kWhiteRgb);
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

// Within one flush a segment erased after it was drawn is gone; erasing
// gives back the picture under the drawing, and keeps what crosses it.
TEST(QImageCanvas, ErasingGivesBackThePictureUnderTheDrawing) {
    QImageCanvas canvas(60, 40);
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(qRgb(200, 0, 0));
    canvas.clear();
    canvas.paintPicture(picture, QRectF(0, 0, 60, 40));
    canvas.line(0, 20, 59, 20, kBlack);  // a part that stays
    canvas.line(30, 0, 30, 39, kBlack);
    canvas.flush();
    canvas.line(30, 0, 30, 39, kWhite);  // erased...
    canvas.line(30, 0, 30, 39, kBlack);  // ...and drawn again,
    canvas.line(10, 0, 10, 39, kBlack);  // while this one is drawn...
    canvas.line(10, 0, 10, 39, kWhite);  // ...and erased in the same flush
    const QImage& image = canvas.image();
    EXPECT_EQ(image.pixel(30, 5), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(10, 5), qRgb(200, 0, 0));
    EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 0));
    canvas.line(30, 0, 30, 39, kWhite);
    EXPECT_EQ(canvas.image().pixel(30, 5), qRgb(200, 0, 0));
}

// A drag picture: a still line below, a still line above, a moving segment
// between them dragged across both. After each step the image is the one
// drawn from scratch in that order.
TEST(QImageCanvas, ADragPictureGivesWhatAFullRedrawGives) {
    const auto full = [](double x) {
        QImageCanvas c(80, 60);
        c.line(0, 10, 79, 50, kLightBlue);  // below
        c.line(x, 0, x + 5, 59, kBlack);    // moving
        c.line(0, 30, 79, 30, kLightYellow);  // above
        return c.image();
    };
    QImageCanvas canvas(80, 60);
    canvas.beginDragPicture();
    canvas.line(0, 10, 79, 50, kLightBlue);
    canvas.drawInto(QImageCanvas::Layer::Moving);
    canvas.line(5, 0, 10, 59, kBlack);
    canvas.drawInto(QImageCanvas::Layer::Above);
    canvas.line(0, 30, 79, 30, kLightYellow);
    canvas.drawInto(QImageCanvas::Layer::Moving);
    EXPECT_EQ(canvas.image(), full(5));
    double x = 5;
    for (double next : {9.5, 20.25, 47.0, 70.0}) {
        canvas.line(x, 0, x + 5, 59, kWhite);
        canvas.line(next, 0, next + 5, 59, kBlack);
        x = next;
        EXPECT_EQ(canvas.image(), full(x)) << x;
    }
    canvas.endDragPicture();
    canvas.line(x, 0, x + 5, 59, kWhite);  // plain again: white over white
    EXPECT_EQ(canvas.image().pixel(static_cast<int>(x) + 2, 15), kWhiteRgb);
}

// The pixels near a segment hold every pixel a one-pixel pen draws along
// it, for segments of every slope, on and off the image.
TEST(PixelMask, ThePixelsNearASegmentHoldWhatAPenDraws) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> place(-50, 250);
    std::uniform_real_distribution<double> far(-1e7, 1e7);
    const QSize size(200, 150);
    for (int k = 0; k < 400; ++k) {
        const QLineF line = k % 10 == 9 ? QLineF(far(random), far(random), place(random), place(random))
                                        : QLineF(place(random), place(random), place(random), place(random));
        QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        painter.setPen(QPen(Qt::black, 0));
        painter.drawLine(line);
        painter.end();
        std::set<std::pair<int, int>> near;
        forEachPixelNear(line, size, [&](int x, int y) { near.emplace(x, y); });
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (qAlpha(drawn.pixel(x, y)) != 0) {
                    EXPECT_TRUE(near.contains({x, y})) << k << ": " << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace ferlo
