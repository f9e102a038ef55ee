#include "view3d/conversion_progress_window.h"

#include <QEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace ferlo {
namespace {

TEST(ConversionProgressWindow, AppearsOnlyForLongConversionsAndHidesAtTheEnd) {
    ConversionProgressWindow slow(std::chrono::milliseconds(0));
    slow.begin();
    EXPECT_FALSE(slow.isVisible());
    slow.setValue(40);
    EXPECT_TRUE(slow.isVisible());
    EXPECT_EQ(slow.value(), 40);
    slow.end();
    EXPECT_FALSE(slow.isVisible());
    // Outside a conversion the window stays hidden.
    slow.setValue(50);
    EXPECT_FALSE(slow.isVisible());

    ConversionProgressWindow quick(std::chrono::hours(1));
    quick.begin();
    for (int percent = 0; percent < 100; percent += 10) quick.setValue(percent);
    EXPECT_FALSE(quick.isVisible());
    EXPECT_EQ(quick.value(), 90);
    quick.end();
    EXPECT_FALSE(quick.isVisible());
}

// Counts the paints a widget gets.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

// A conversion reports every row of its image; the window repaints once a
// value, not once a row.
TEST(ConversionProgressWindow, RepaintsOnceAValue) {
    ConversionProgressWindow window(std::chrono::milliseconds(0));
    PaintCounter counter;
    window.installEventFilter(&counter);
    window.begin();
    window.setValue(0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    const int shown = counter.paints;
    for (int row = 0; row < 4096; ++row) window.setValue(row * 100 / 4096);
    // The bar repaints itself with each new value too.
    EXPECT_LE(counter.paints - shown, 2 * 99);
    EXPECT_GE(counter.paints - shown, 99);
    window.end();
}

}  // namespace
}  // namespace ferlo
