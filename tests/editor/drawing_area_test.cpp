#include "editor/drawing/drawing_area.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QTabWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "editor/drawing/drawing_area_input.h"
#include "support/editor_window.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

// What the drawing area passes on, one line per event.
class RecordedEvents : public DrawingArea::Events {
public:
    std::vector<std::string> lines;

    void mouseDown(int button, int shift, double x, double y) override { add("down", button, shift, x, y); }
    void mouseMove(int button, int shift, double x, double y) override { add("move", button, shift, x, y); }
    void mouseUp(int button, int shift, double x, double y) override { add("up", button, shift, x, y); }
    void keyDown(int keyCode, int shift) override { add("keydown", keyCode, shift, 0, 0); }
    void keyUp(int keyCode, int shift) override { add("keyup", keyCode, shift, 0, 0); }

private:
    void add(const char* what, int a, int b, double x, double y) {
        lines.push_back(std::string(what) + " " + std::to_string(a) + " " + std::to_string(b) + " " +
                        std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)));
    }
};

// Buttons and modifiers reach the handlers as bit sets (1 left, 2 right,
// 4 middle; 1 Shift, 2 Ctrl, 4 Alt), positions in the area's pixels, keys by
// their codes.
TEST(DrawingArea, PassesItsEventsOnAsButtonAndModifierValues) {
    EXPECT_EQ(DrawingArea::buttonValue(Qt::LeftButton | Qt::RightButton), 3);
    EXPECT_EQ(DrawingArea::buttonValue(Qt::MiddleButton), 4);
    EXPECT_EQ(DrawingArea::buttonValue(Qt::NoButton), 0);
    EXPECT_EQ(DrawingArea::shiftValue(Qt::ShiftModifier | Qt::ControlModifier), 3);
    EXPECT_EQ(DrawingArea::shiftValue(Qt::AltModifier), 4);

    DrawingArea area;
    area.resize(200, 100);
    area.show();
    EXPECT_TRUE(area.hasMouseTracking());
    EXPECT_EQ(area.focusPolicy(), Qt::StrongFocus);
    RecordedEvents events;
    area.setEvents(&events);
    QTest::mousePress(&area, Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 30));
    QTest::mouseMove(&area, QPoint(25, 35));
    QTest::mouseRelease(&area, Qt::LeftButton, Qt::ControlModifier, QPoint(25, 35));
    QTest::keyPress(&area, Qt::Key_Z, Qt::AltModifier);
    QTest::keyRelease(&area, Qt::Key_Z, Qt::AltModifier);
    area.setEvents(nullptr);
    const auto has = [&](const std::string& line) {
        return std::find(events.lines.begin(), events.lines.end(), line) != events.lines.end();
    };
    EXPECT_EQ(events.lines.front(), "down 1 1 20 30");
    EXPECT_TRUE(has("move 1 0 25 35")) << ::testing::PrintToString(events.lines);
    EXPECT_TRUE(has("up 1 2 25 35"));
    EXPECT_TRUE(has("keydown 90 4 0 0"));
    EXPECT_TRUE(has("keyup 90 4 0 0"));
}

// The pointer shapes by value; any other value shows the arrow.
TEST(DrawingArea, ShowsThePointerShapeOfItsValue) {
    DrawingArea area;
    const struct {
        int value;
        Qt::CursorShape shape;
    } cases[] = {{0, Qt::ArrowCursor},   {2, Qt::CrossCursor},   {5, Qt::SizeAllCursor},
                 {7, Qt::SizeVerCursor}, {9, Qt::SizeHorCursor}, {42, Qt::ArrowCursor}};
    for (const auto& c : cases) {
        area.setMousePointer(c.value);
        EXPECT_EQ(area.mousePointer(), c.value);
        EXPECT_EQ(area.cursor().shape(), c.shape) << c.value;
    }
    QPixmap icon(32, 32);
    icon.fill(Qt::black);
    area.setMousePointer(kPointerCustom);
    area.setMouseIcon(QCursor(icon, 14, 11));
    EXPECT_EQ(area.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(area.cursor().hotSpot(), QPoint(14, 11));
}

// In the window, a right click opens the popup menu with its items, and a
// move over the drawing area gives it the keyboard focus.
TEST(DrawingArea, RightClickOpensThePopupAndAMoveTakesTheFocus) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    const MainControls& c = main.controls();
    QStringList captions;
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = c.Popup->isVisible();
        for (const QAction* item : c.Popup->actions()) captions << item->text();
        c.Popup->close();
    });
    QTest::mouseClick(c.DrawArea, Qt::RightButton, {}, QPoint(40, 40));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown; }, 2000));
    EXPECT_EQ(captions, (QStringList{"Change Direction (Shift + Click)", "Insert/Remove Section (Ctrl + Click)",
                                     "Load Bitmap (O)", "Move Bitmap (Alt +Click)", "Size Bitmap (I)", "Lock Zoom",
                                     "Clear Bitmap"}));

    c.Parameters->setFocus();
    ASSERT_NE(main.focusWidget(), c.DrawArea);
    main.drawingAreaInput().mouseMove(0, 0, 50, 50);
    EXPECT_EQ(main.focusWidget(), c.DrawArea);
}

// The section box is a picture box too: the current fuselage draws its
// selected section in it.
TEST(DrawingArea, TheSectionBoxShowsTheSelectedSection) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    CanvasWidget& box = *main.controls().DrawSectionArea;
    main.plane().fuselages.current().sel_sec = 2;
    main.plane().fuselages.current().zoomSectionSet(box.width(), box.height());
    main.plane().fuselages.current().drawSection(box.canvas());
    const QImage& image = box.canvas().image();
    EXPECT_EQ(image.size(), box.size());
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    EXPECT_GT(drawn, 100);
    main.setTab(ParameterTab::Fuselage);
    testing::saveOutputPng(main.grab().toImage(), "main_window_fuselage_tab");
}

}  // namespace
}  // namespace ferlo
