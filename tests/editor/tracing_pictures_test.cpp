#include "editor/drawing/tracing_pictures.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QAction>
#include <QImage>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "document/project_file.h"
#include "editor/drawing/drawing_area.h"
#include "support/drawing_area_editor.h"
#include "support/editor_window.h"
#include "support/fake_image_converter.h"
#include "support/popup_menu.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

constexpr QRgb kRed = 0xffff0000;

// A 100 x 60 red picture, written as PNG under a name that says BMP: pictures
// are read by their content.
std::string writePicture(const testing::TempDir& dir, const std::string& name = "plan.bmp") {
    QImage picture(100, 60, QImage::Format_RGB32);
    picture.fill(kRed);
    const std::string path = (dir.path() / name).string();
    EXPECT_TRUE(picture.save(QString::fromStdString(path), "PNG"));
    return path;
}

// The share of red pixels among the whole pixels inside `rect` (a picture
// placed at half a pixel may cover the row or column around it).
double redShare(const QImage& image, const QRectF& rect) {
    int red = 0;
    int all = 0;
    for (int y = static_cast<int>(std::ceil(rect.top())); y < static_cast<int>(rect.bottom()); ++y) {
        for (int x = static_cast<int>(std::ceil(rect.left())); x < static_cast<int>(rect.right()); ++x) {
            red += image.pixel(x, y) == kRed;
            ++all;
        }
    }
    return all == 0 ? 0 : static_cast<double>(red) / all;
}

QRectF placeOf(const TracingPicture& p) { return {p.bitmapPos.x, p.bitmapPos.y, p.bitmapSize.x, p.bitmapSize.y}; }

struct Items {
    bool move, size, clear, lockEnabled, lockChecked;
    bool operator==(const Items&) const = default;
};

Items itemsOf(const MainControls& c) {
    return {c.MoveBitmap->isEnabled(), c.SizeBitmap->isEnabled(), c.ClearBitmap->isEnabled(),
            c.LockZoom->isEnabled(), c.LockZoom->isChecked()};
}

// A picture loaded in VTop is centred at its natural size; resized to 50 %
// it keeps its top-left corner; the Side view has none of it, VTop shows it
// again at its last place and size under the outlines; Clear Bitmap removes it.
TEST(TracingPictures, LoadResizeKeepPerViewAndClear) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    const MainControls& c = main.controls();
    TracingPictures& pictures = main.pictures();
    EXPECT_EQ(itemsOf(c), (Items{false, false, false, false, false}));

    editor.dialogs.files = {QString::fromStdString(writePicture(editor.config))};
    pictures.loadBitmap();
    EXPECT_EQ(editor.dialogs.fileFilters.back(), pictureFilter());
    const TracingPicture& vtop = main.state().picture(ViewKind::VTop);
    EXPECT_TRUE(vtop.bitmapLoaded);
    EXPECT_EQ(vtop.bitmapSize, (Point2D{100, 60}));
    EXPECT_EQ(vtop.bitmapPos, (Point2D{c.DrawArea->width() / 2.0 - 50, c.DrawArea->height() / 2.0 - 30}));
    EXPECT_EQ(vtop.bitmapScale, 100);
    EXPECT_EQ(itemsOf(c), (Items{true, true, true, true, false}));
    // Shown alone until the view is drawn again.
    EXPECT_EQ(redShare(c.DrawArea->canvas().image(), placeOf(vtop)), 1.0);

    const Point2D corner = vtop.bitmapPos;
    editor.dialogs.inputs = {"50"};
    pictures.sizeBitmap();
    EXPECT_EQ(editor.dialogs.inputDefaults.back(), " 100");
    EXPECT_EQ(vtop.bitmapScale, 50);
    EXPECT_EQ(vtop.bitmapSize, (Point2D{50, 30}));
    EXPECT_EQ(vtop.bitmapPos, corner);
    const QImage& shown = c.DrawArea->canvas().image();
    EXPECT_EQ(redShare(shown, placeOf(vtop)), 1.0);
    EXPECT_EQ(redShare(shown, {corner.x + 51, corner.y, 49, 60}), 0.0);
    EXPECT_EQ(redShare(shown, {corner.x, corner.y + 31, 50, 29}), 0.0);
    editor.dialogs.inputs = {"50"};
    pictures.sizeBitmap();
    EXPECT_EQ(editor.dialogs.inputDefaults.back(), " 50");

    main.initSideView();
    EXPECT_FALSE(main.state().picture(ViewKind::Side).bitmapLoaded);
    EXPECT_EQ(redShare(c.DrawArea->canvas().image(), placeOf(vtop)), 0.0);
    EXPECT_EQ(itemsOf(c), (Items{false, false, false, true, false}));

    main.initVTopView();
    EXPECT_GT(redShare(c.DrawArea->canvas().image(), placeOf(vtop)), 0.8);  // the outlines cross it
    EXPECT_EQ(itemsOf(c), (Items{true, true, true, true, false}));
    testing::saveOutputPng(c.DrawArea->canvas().image(), "drawing_area_vtop_tracing_picture");

    pictures.clearBitmap();
    EXPECT_FALSE(vtop.bitmapLoaded);
    EXPECT_EQ(redShare(c.DrawArea->canvas().image(), placeOf(vtop)), 0.0);
    EXPECT_EQ(itemsOf(c), (Items{false, false, false, false, false}));
}

// Cancelling the open dialog: the view has no picture, the items that act on
// one are greyed, and Lock Zoom is greyed but keeps its mark (and the zoom
// stays locked); the picture stays on screen until the next redraw, which
// no longer paints it.
TEST(TracingPictures, ACancelledLoadLeavesTheViewWithoutItsPicture) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    const MainControls& c = main.controls();
    editor.dialogs.files = {QString::fromStdString(writePicture(editor.config))};
    main.pictures().loadBitmap();
    main.pictures().lockZoom();
    EXPECT_TRUE(c.LockZoom->isChecked());
    const TracingPicture& vtop = main.state().picture(ViewKind::VTop);
    const QRectF place = placeOf(vtop);

    main.pictures().loadBitmap();  // cancelled
    EXPECT_FALSE(vtop.bitmapLoaded);
    EXPECT_EQ(itemsOf(c), (Items{false, false, false, false, true}));
    EXPECT_EQ(redShare(c.DrawArea->canvas().image(), place), 1.0);
    main.state().view.zoom = 3;
    main.follow(Effects::RedrawView | Effects::Render3D);
    EXPECT_EQ(redShare(c.DrawArea->canvas().image(), place), 0.0);
    EXPECT_EQ(main.state().view.zoom, 3);
}

// A file that is no picture gives one message and no picture.
TEST(TracingPictures, APictureThatCannotBeReadLeavesTheViewWithoutOne) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    const MainControls& c = main.controls();
    const TracingPicture& vtop = main.state().picture(ViewKind::VTop);

    editor.dialogs.files = {QString::fromStdString(editor.config.write("scan.jpg", "not a picture"))};
    main.pictures().loadBitmap();
    EXPECT_EQ(editor.dialogs.warnings.size(), 1u);
    EXPECT_FALSE(vtop.bitmapLoaded);
    EXPECT_EQ(itemsOf(c), (Items{false, false, false, false, false}));
}

// Size Bitmap does nothing without a picture in the current view; an answer that is no positive number, or that
// would make the picture immense, keeps the factor.
TEST(TracingPictures, ResizeNeedsAPictureAndAPositiveFactor) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    editor.dialogs.files = {QString::fromStdString(writePicture(editor.config))};
    main.pictures().loadBitmap();
    main.initSideView();
    main.pictures().sizeBitmap();
    EXPECT_TRUE(editor.dialogs.inputDefaults.empty());

    main.initVTopView();
    const TracingPicture& vtop = main.state().picture(ViewKind::VTop);
    for (const char* answer : {"", "abc", "0", "-20", "1e400", "nan", "1000000"}) {
        editor.dialogs.inputs = {answer};
        main.pictures().sizeBitmap();
        EXPECT_EQ(vtop.bitmapScale, 100) << answer;
        EXPECT_EQ(vtop.bitmapSize, (Point2D{100, 60})) << answer;
    }
}

// The factor is read in the user's regional format or with a point, and
// offered back in the regional format.
TEST(TracingPictures, ResizeFactorsInTheRegionalFormat) {
    EXPECT_EQ(readResizeFactor(" 50 "), 50);
    EXPECT_EQ(readResizeFactor("12.5"), 12.5);
    EXPECT_FALSE(readResizeFactor("12 percent"));
    EXPECT_EQ(resizeFactorText(100), " 100");
    EXPECT_EQ(resizeFactorText(-5), QLocale().toString(-5.0, 'g', QLocale::FloatingPointShortest));
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(readResizeFactor("12,5"), 12.5);
    EXPECT_EQ(readResizeFactor("12.5"), 12.5);
    EXPECT_EQ(resizeFactorText(12.5), " 12,5");
    QLocale::setDefault(previous);
}

// The editor driven through its drawing area and the popup a right click
// opens there.
struct PopupEditor : testing::DrawingAreaEditor {
    static constexpr QPoint kAt{60, 70};
    const MainControls& c = main.controls();
    testing::PopupMenu popup{area, *c.Popup};

    // Move, Size and Clear Bitmap as the popup shows them.
    std::vector<bool> pictureItems() { return popup.enabledAt(kAt, {c.MoveBitmap, c.SizeBitmap, c.ClearBitmap}); }
    bool choose(QAction* item) { return popup.choose(kAt, item); }
    void load(const std::string& path) {
        window.dialogs.files = {QString::fromStdString(path)};
        EXPECT_TRUE(choose(c.LoadBitmap));
    }
    const TracingPicture& picture(ViewKind kind) { return main.state().picture(kind); }
};

const std::vector<bool> kItemsOn{true, true, true};
const std::vector<bool> kItemsOff{false, false, false};

// Each view's popup offers Move, Size and Clear Bitmap when that view has a
// picture: a view without one greys them (Size asks nothing), and clearing
// one view's picture leaves the others' clearable.
TEST(TracingPictures, PopupItemsFollowTheCurrentViewsPicture) {
    PopupEditor e;
    EXPECT_EQ(e.pictureItems(), kItemsOff);
    e.load(writePicture(e.window.config, "top.bmp"));
    ASSERT_TRUE(e.picture(ViewKind::VTop).bitmapLoaded);
    EXPECT_EQ(e.pictureItems(), kItemsOn);

    e.show(ViewKind::Front);
    EXPECT_EQ(e.pictureItems(), kItemsOff);
    EXPECT_FALSE(e.choose(e.c.SizeBitmap));
    EXPECT_TRUE(e.window.dialogs.inputDefaults.empty());

    e.show(ViewKind::Side);
    e.load(writePicture(e.window.config, "side.bmp"));
    EXPECT_EQ(e.pictureItems(), kItemsOn);
    EXPECT_TRUE(e.choose(e.c.ClearBitmap));
    EXPECT_FALSE(e.picture(ViewKind::Side).bitmapLoaded);
    EXPECT_EQ(e.pictureItems(), kItemsOff);

    e.show(ViewKind::VTop);
    EXPECT_EQ(e.pictureItems(), kItemsOn);
    e.window.dialogs.inputs = {"50"};
    EXPECT_TRUE(e.choose(e.c.SizeBitmap));
    EXPECT_EQ(e.picture(ViewKind::VTop).bitmapScale, 50);
    const QRectF place = placeOf(e.picture(ViewKind::VTop));
    EXPECT_TRUE(e.choose(e.c.ClearBitmap));
    EXPECT_FALSE(e.picture(ViewKind::VTop).bitmapLoaded);
    EXPECT_EQ(redShare(e.area.canvas().image(), place), 0.0);
    EXPECT_EQ(e.pictureItems(), kItemsOff);
}

// New and Open, run with the Front view current, take Front's picture away
// and show VTop, whose picture stays and can be cleared from the popup.
TEST(TracingPictures, NewOrOpenFromAnotherViewLeavesVTopsPictureClearable) {
    for (const char* command : {"New", "Open"}) {
        SCOPED_TRACE(command);
        PopupEditor e;
        e.load(writePicture(e.window.config, "top.bmp"));
        e.show(ViewKind::Front);
        e.load(writePicture(e.window.config, "front.bmp"));
        ASSERT_TRUE(e.picture(ViewKind::Front).bitmapLoaded);
        Plane project;
        newPlane(project);
        testing::FakeImageConverter converter;
        saveProject(project, e.window.config.path() / "p.flx", converter);
        e.window.dialogs.answers = {true};
        e.window.dialogs.openChoices = {{QString::fromStdString((e.window.config.path() / "p.flx").string()), 1}};

        e.c.button(command)->trigger();
        EXPECT_EQ(e.main.state().mode, ViewKind::VTop);
        EXPECT_FALSE(e.picture(ViewKind::Front).bitmapLoaded);
        ASSERT_TRUE(e.picture(ViewKind::VTop).bitmapLoaded);
        EXPECT_EQ(e.pictureItems(), kItemsOn);
        EXPECT_TRUE(e.choose(e.c.ClearBitmap));
        EXPECT_FALSE(e.picture(ViewKind::VTop).bitmapLoaded);
    }
}

// A picture whose file is deleted is dropped by the next paint of its view,
// whichever paints it (a view set-up, a resize, a right click), and the user
// is told once, naming the file; later paints say nothing more.
TEST(TracingPictures, APictureWhoseFileIsGoneIsDroppedWithOneMessage) {
    const std::vector<std::pair<const char*, std::function<void(PopupEditor&)>>> paints{
        {"view button", [](PopupEditor& e) { e.c.button("VTop")->trigger(); }},
        {"resize key", [](PopupEditor& e) {
             e.window.dialogs.inputs = {"50"};
             QTest::keyClick(&e.area, Qt::Key_I);
         }},
        {"right click", [](PopupEditor& e) { EXPECT_EQ(e.pictureItems(), kItemsOff); }},
    };
    for (const auto& [name, paint] : paints) {
        SCOPED_TRACE(name);
        PopupEditor e;
        const std::string path = writePicture(e.window.config);
        e.load(path);
        const TracingPicture& vtop = e.picture(ViewKind::VTop);
        ASSERT_TRUE(vtop.bitmapLoaded);
        const QRectF place = placeOf(vtop);
        std::filesystem::remove(path);

        paint(e);
        EXPECT_FALSE(vtop.bitmapLoaded);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !e.window.dialogs.warnings.empty(); }, 2000));
        e.show(ViewKind::Side);
        e.show(ViewKind::VTop);
        QTest::qWait(20);
        ASSERT_EQ(e.window.dialogs.warnings.size(), 1u);
        EXPECT_EQ(e.window.dialogs.warnings[0].toStdString(),
                  "The picture \"" + path + "\" no longer exists; the view is shown without it.");
        EXPECT_EQ(redShare(e.area.canvas().image(), place), 0.0);
        EXPECT_EQ(e.pictureItems(), kItemsOff);
    }
}

// Move Bitmap lets the next drag move the picture.
TEST(TracingPictures, MoveBitmapSetsAlt) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    main.pictures().moveBitmap();
    EXPECT_TRUE(main.state().view.altkey);
}

}  // namespace
}  // namespace ferlo
