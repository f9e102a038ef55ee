#include "editor/drawing/qimage_canvas.h"

#include <random>
#include <set>
#include <utility>
#include <vector>

#include <QPainter>

#include <gtest/gtest.h>

#include "base/palette.h"
#include "editor/drawing/pixel_lines.h"
#include "editor/drawing/tile_grid.h"

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
    EXPECT_EQ(canvas.image().pixel(30, 20), qRgb(0, 0, 0));  // the line across stays
}

// A canvas that notes what each flush says it changed.
class WatchedCanvas : public QImageCanvas {
public:
    using QImageCanvas::QImageCanvas;
    QRegion changedArea;

protected:
    void changed(const QRegion& area) override { changedArea |= area; }
};

struct Part {
    std::vector<std::pair<QLineF, PaletteColor>> lines;
};

void drawPart(Canvas& canvas, const Part& part) {
    const PartDrawing drawing(canvas, &part);
    for (const auto& [line, color] : part.lines) {
        canvas.line(line.x1(), line.y1(), line.x2(), line.y2(), kWhite);  // the previous drawing erased
        canvas.line(line.x1(), line.y1(), line.x2(), line.y2(), color);
    }
}

// Each part's latest drawing, in the order the parts first drew, painted
// from scratch with one painter over what lies under the drawing.
QImage fromScratch(const std::vector<Part>& parts, QSize size, const QImage* picture) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    if (picture) QPainter(&image).drawImage(QRectF(QPointF(0, 0), QSizeF(size)), *picture);
    const TileGrid grid(size);
    PixelLines pen(image, grid);
    for (const Part& part : parts) {
        for (const auto& [line, color] : part.lines) pen.draw(line, color);
    }
    return image;
}

// Parts drawn in one order and then drawn again one by one, each time with
// some lines recoloured, moved, added (some of them lines of other parts)
// or dropped, a flush now and then: the
// image is always the one the parts' latest drawings give when painted from
// scratch in the parts' order, and every pixel that changes lies in the
// area the flush reported.
TEST(QImageCanvas, APartDrawnAgainTakesItsPlaceInTheDrawingOrder) {
    const QSize size(120, 90);
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) picture.setPixel(x, y, qRgb(x * 2, y * 2, 128));
    }
    std::mt19937 random(11);
    std::uniform_real_distribution<double> place(-20, 140);
    std::uniform_int_distribution<int> pick(0, 99);
    const PaletteColor colors[] = {kBlack, kLightBlue, kLightYellow, 4};
    const auto randomLine = [&] {
        return std::pair{QLineF(place(random), place(random), place(random), place(random)), colors[pick(random) % 4]};
    };
    for (const QImage* under : std::initializer_list<const QImage*>{nullptr, &picture}) {
        std::vector<Part> parts(6);
        for (Part& part : parts) {
            for (int k = pick(random) % 8 + 1; k > 0; --k) part.lines.push_back(randomLine());
        }
        WatchedCanvas canvas(size.width(), size.height());
        if (under) canvas.paintPicture(*under, QRectF(QPointF(0, 0), QSizeF(size)));
        for (const Part& part : parts) drawPart(canvas, part);
        ASSERT_EQ(canvas.image(), fromScratch(parts, size, under));
        for (int step = 0; step < 300; ++step) {
            Part& part = parts[static_cast<std::size_t>(pick(random)) % parts.size()];
            for (auto& line : part.lines) {
                const int change = pick(random);
                if (change < 15) line.second = colors[pick(random) % 4];
                if (change >= 90) line.first = randomLine().first;
            }
            if (pick(random) < 20) part.lines.push_back(randomLine());
            if (pick(random) < 10) {  // a line another part draws too, maybe the other way round
                const Part& other = parts[static_cast<std::size_t>(pick(random)) % parts.size()];
                QLineF copy = other.lines.front().first;
                if (pick(random) < 50) copy = QLineF(copy.p2(), copy.p1());
                part.lines.push_back({copy, colors[pick(random) % 4]});
            }
            if (pick(random) < 20 && part.lines.size() > 1) part.lines.pop_back();
            drawPart(canvas, part);
            if (pick(random) < 30) continue;  // several drawings before a flush
            const QImage before = canvas.image().copy();
            canvas.changedArea = QRegion();
            canvas.flush();
            const QImage expected = fromScratch(parts, size, under);
            ASSERT_EQ(canvas.image(), expected) << "step " << step;
            for (int y = 0; y < size.height(); ++y) {
                for (int x = 0; x < size.width(); ++x) {
                    if (before.pixel(x, y) != expected.pixel(x, y)) {
                        ASSERT_TRUE(canvas.changedArea.contains(QPoint(x, y))) << "step " << step << ": " << x << "," << y;
                    }
                }
            }
        }
    }
}

// One part of a stack moved flush after flush, as a drag moves it, by a few
// pixels or a jump (its short lines from one tile to another), over and
// under parts that cross it, over white or a picture; now and then
// something else changes between two steps: another part, a new part on
// top (which damages nothing), a loose line, in the step's flush or in one
// of its own. After each step the image is the one painted from scratch.
TEST(QImageCanvas, APartMovedFlushAfterFlushShowsWhatAFullRedrawWould) {
    const QSize size(150, 100);
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) picture.setPixel(x, y, qRgb(x, y * 2, 90));
    }
    std::mt19937 random(5);
    std::uniform_real_distribution<double> place(-10, 160);
    std::uniform_int_distribution<int> pick(0, 99);
    const PaletteColor colors[] = {kBlack, kLightBlue, kLightYellow, 4};
    std::uniform_real_distribution<double> near(-4, 4);
    const auto randomPart = [&] {
        Part part;
        for (int k = 0; k < 12; ++k) {
            const QPointF from(place(random), place(random));
            // Every third line short, often within one tile.
            const QPointF to = k % 3 == 2 ? from + QPointF(near(random), near(random)) : QPointF(place(random), place(random));
            part.lines.push_back({QLineF(from, to), colors[k % 4]});
        }
        return part;
    };
    for (const QImage* under : std::initializer_list<const QImage*>{nullptr, &picture}) {
        std::vector<Part> parts;
        parts.reserve(256);  // a part is known by its address
        for (int k = 0; k < 5; ++k) parts.push_back(randomPart());
        WatchedCanvas canvas(size.width(), size.height());
        if (under) canvas.paintPicture(*under, QRectF(QPointF(0, 0), QSizeF(size)));
        for (const Part& part : parts) drawPart(canvas, part);
        canvas.flush();
        // The loose lines take their place in the order when the first is drawn.
        Part loose;
        std::size_t looseAt = 0;
        for (int step = 0; step < 200; ++step) {
            switch (pick(random) % 10) {
            case 0:  // a part below or above changes
                parts[pick(random) % 2 == 0 ? 1 : 3].lines.front().first.translate(2, 1);
                drawPart(canvas, parts[1]);
                drawPart(canvas, parts[3]);
                break;
            case 1:  // a part joins on top
                parts.push_back(randomPart());
                drawPart(canvas, parts.back());
                break;
            case 2:  // a loose line drawn, or erased
                if (looseAt == 0) looseAt = parts.size();
                if (loose.lines.empty()) {
                    loose.lines.push_back(randomPart().lines.front());
                    const auto& [line, color] = loose.lines.front();
                    canvas.line(line.x1(), line.y1(), line.x2(), line.y2(), color);
                } else {
                    const QLineF line = loose.lines.front().first;
                    canvas.line(line.x1(), line.y1(), line.x2(), line.y2(), kWhite);
                    loose.lines.clear();
                }
                break;
            default: break;
            }
            if (pick(random) % 2 == 0) canvas.flush();  // the change apart from a step
            Part& dragged = parts[2];
            // Small steps, and now and then a jump to another tile.
            const int reach = step % 7 == 3 ? 20 : 3;
            const QPointF by(pick(random) % (2 * reach + 1) - reach, pick(random) % (2 * reach + 1) - reach);
            for (auto& line : dragged.lines) line.first.translate(by);
            if (step % 17 == 5) dragged.lines.pop_back();
            if (step % 17 == 9) dragged.lines.push_back(randomPart().lines.front());
            drawPart(canvas, dragged);
            canvas.flush();
            std::vector<Part> shown = parts;
            if (looseAt != 0) shown.insert(shown.begin() + static_cast<std::ptrdiff_t>(looseAt), loose);
            ASSERT_EQ(canvas.image(), fromScratch(shown, size, under)) << "step " << step;
        }
    }
}

// A part drawn again as it stands changes no pixel, and the canvas repaints
// nothing.
TEST(QImageCanvas, APartDrawnAgainUnchangedRepaintsNothing) {
    WatchedCanvas canvas(80, 60);
    const Part below{{{QLineF(0, 30, 79, 30), kLightBlue}}};
    const Part above{{{QLineF(40, 0, 40, 59), kBlack}, {QLineF(0, 0, 79, 59), kLightYellow}}};
    drawPart(canvas, below);
    drawPart(canvas, above);
    canvas.flush();
    canvas.changedArea = QRegion();
    drawPart(canvas, below);
    drawPart(canvas, above);
    canvas.flush();
    EXPECT_TRUE(canvas.changedArea.isEmpty()) << canvas.changedArea.boundingRect().x() << "," << canvas.changedArea.boundingRect().y();
}

// The tiles near a segment hold every pixel `PixelLines` lights along it,
// for segments of every slope, on and off the image.
TEST(TileGrid, TheTilesNearASegmentHoldWhatAPenDraws) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> place(-50, 250);
    std::uniform_real_distribution<double> far(-1e7, 1e7);
    const QSize size(200, 150);
    const TileGrid grid(size);
    for (int k = 0; k < 400; ++k) {
        const QPointF from(place(random), place(random));
        const QLineF line = k % 10 == 9   ? QLineF(far(random), far(random), place(random), place(random))
                            : k % 10 >= 6 ? QLineF(from, from + QPointF(place(random), place(random)) / 40)  // short
                                          : QLineF(from, QPointF(place(random), place(random)));
        QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        PixelLines(drawn, grid).draw(line, kBlack);
        std::set<int> near;
        grid.forEachTileNear(line, [&](int tile) {
            ASSERT_GE(tile, 0);
            ASSERT_LT(tile, grid.count());
            near.insert(tile);
        });
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (qAlpha(drawn.pixel(x, y)) == 0) continue;
                const int tile = (y / TileGrid::kTile) * ((size.width() + TileGrid::kTile - 1) / TileGrid::kTile) +
                                 x / TileGrid::kTile;
                EXPECT_TRUE(near.contains(tile)) << k << ": " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace ferlo
