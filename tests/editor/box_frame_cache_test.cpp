#include "editor/window/box_frame_cache.h"

#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QStyleFactory>

#include <gtest/gtest.h>

namespace ferlo {
namespace {

// What `box` paints of itself, through `style`.
QImage painted(QLineEdit& box, QStyle& style) {
    box.setStyle(&style);
    return box.grab().toImage();
}

int differingPixels(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    }
    return differing;
}

// A box painted from the cached panel looks as the style paints it: at its
// first paint, when painted again, with another base colour and size.
TEST(BoxFrameCache, ABoxLooksAsTheStylePaintsIt) {
    const QString styleName = QApplication::style()->name();
    std::unique_ptr<QStyle> plain(QStyleFactory::create(styleName));
    BoxFrameCache cached(QStyleFactory::create(styleName));
    QLineEdit box(QStringLiteral("1400"));
    box.resize(72, 22);
    const auto expectSameLook = [&](const char* what) {
        SCOPED_TRACE(what);
        const QImage expected = painted(box, *plain);
        for (int paint = 0; paint < 2; ++paint) {
            const QImage actual = painted(box, cached);
            ASSERT_EQ(actual.size(), expected.size());
            EXPECT_EQ(differingPixels(actual, expected), 0) << "paint " << paint;
        }
    };
    expectSameLook("plain");
    QPalette yellow = box.palette();
    yellow.setColor(QPalette::Base, QColor(255, 255, 160));
    box.setPalette(yellow);
    expectSameLook("another base colour");
    box.resize(90, 30);
    expectSameLook("another size");
}

}  // namespace
}  // namespace ferlo
