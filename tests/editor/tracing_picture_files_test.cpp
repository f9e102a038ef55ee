// How the tracing pictures' files are chosen, read and kept: the dialog's
// formats, the reasons for a refusal, large scans, one decode per change.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "editor/drawing/drawing_area.h"
#include "editor/drawing/picture_file.h"
#include "editor/drawing/tracing_pictures.h"
#include "support/editor_window.h"
#include "support/large_jpeg.h"

namespace ferlo {
namespace {

// A 100 x 60 picture of one colour, written in `format` (a bitmap file's
// length does not depend on its colours).
std::string writePicture(const std::filesystem::path& path, QRgb colour, const char* format) {
    QImage picture(100, 60, QImage::Format_RGB32);
    picture.fill(colour);
    EXPECT_TRUE(picture.save(QString::fromStdString(path.string()), format));
    return path.string();
}

QRgb centreOf(MainWindow& main, const TracingPicture& p) {
    return main.controls().DrawArea->canvas().image().pixel(static_cast<int>(p.bitmapPos.x + 10),
                                                            static_cast<int>(p.bitmapPos.y + 10));
}

// The dialog offers what Qt's image reader reads here, and only that: what
// it lists loads when chosen.
TEST(TracingPictureFiles, TheDialogListsTheFormatsQtReadsHere) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    editor.dialogs.files = {QString()};
    main.pictures().loadBitmap();
    const QString filter = editor.dialogs.fileFilters.back();
    const QRegularExpressionMatch match = QRegularExpression(R"(^Picture File \((.*)\)$)").match(filter);
    ASSERT_TRUE(match.hasMatch()) << filter.toStdString();
    const QStringList patterns = match.captured(1).split(' ');
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const char* pattern : {"*.bmp", "*.jpg", "*.jpeg", "*.png", "*.gif"}) {
        EXPECT_TRUE(patterns.contains(pattern)) << pattern;
    }
    for (const QString& pattern : patterns) {
        EXPECT_TRUE(formats.contains(pattern.mid(2).toLatin1())) << pattern.toStdString();
    }
    EXPECT_EQ(patterns.contains("*.wmf"), formats.contains("wmf"));
    EXPECT_EQ(patterns.contains("*.emf"), formats.contains("emf"));

    for (const char* name : {"plan.png", "plan.jpeg"}) {
        const char* format = std::string(name).ends_with("png") ? "PNG" : "JPEG";
        editor.dialogs.files = {QString::fromStdString(writePicture(editor.config.path() / name, qRgb(255, 0, 0), format))};
        main.pictures().loadBitmap();
        EXPECT_TRUE(main.state().picture().bitmapLoaded) << name;
    }
    EXPECT_TRUE(editor.dialogs.warnings.empty());
}

// A valid picture too large to hold is refused with its size and the limit,
// before any pixel is decoded; a damaged one says what is wrong with it.
TEST(TracingPictureFiles, ARefusedPictureSaysWhy) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    // A run-length coded bitmap claiming 12000 x 12000 pixels, in 58 bytes.
    std::string header = "BM";
    const auto put = [&header](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) header += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    for (const std::uint32_t value : {58u, 0u, 54u, 40u, 12000u, 12000u}) put(value, 4);
    put(1, 2);
    put(8, 2);
    put(1, 4);
    header += std::string(24, '\0');
    struct Case {
        std::string file;
        QString reason;
    };
    const Case cases[] = {
        {editor.config.write("scan.bmp", header),
         "the image is 12000 x 12000 pixels; an image may have at most 100000000 pixels (100 megapixels)"},
        {editor.config.write("short.bmp", std::string(header).replace(30, 4, std::string(4, '\0'))),
         "the bitmap file holds 58 bytes, but its header claims 12000 x 12000 pixels, which need 144000054 bytes"},
    };
    for (const Case& c : cases) {
        editor.dialogs.files = {QString::fromStdString(c.file)};
        main.pictures().loadBitmap();
        ASSERT_FALSE(editor.dialogs.warnings.empty());
        EXPECT_EQ(editor.dialogs.warnings.back(),
                  QStringLiteral("The picture \"%1\" could not be loaded: %2.").arg(QString::fromStdString(c.file), c.reason));
        EXPECT_FALSE(main.state().picture().bitmapLoaded);
    }
}

// A 7000 x 7000 colour scan (196 MB decoded, above Qt's own default limit)
// loads at its natural size, and a texture loaded before it puts no cap on it.
TEST(TracingPictureFiles, ALargeScanLoads) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    const std::string scan = testing::writeLargeJpeg(editor.config.path() / "scan.jpg", 7000, 7000);
    editor.dialogs.files = {QString::fromStdString(scan)};
    main.pictures().loadBitmap();
    EXPECT_TRUE(editor.dialogs.warnings.empty());
    const TracingPicture& vtop = main.state().picture(ViewKind::VTop);
    ASSERT_TRUE(vtop.bitmapLoaded);
    EXPECT_EQ(vtop.bitmapSize, (Point2D{7000, 7000}));
    // Centred: the drawing area's middle shows the scan's middle.
    QImageCanvas& canvas = main.controls().DrawArea->canvas();
    const QRgb middle = canvas.image().pixel(canvas.image().width() / 2, canvas.image().height() / 2);
    const QRgb expected = testing::largeJpegColour(3500, 3500, 7000, 7000);
    EXPECT_LE(std::abs(qRed(middle) - qRed(expected)), 12);
    EXPECT_LE(std::abs(qGreen(middle) - qGreen(expected)), 12);
    editor.dialogs.inputs = {"10"};
    main.pictures().sizeBitmap();
    EXPECT_EQ(vtop.bitmapSize, (Point2D{700, 700}));
}

// A paint shows the picture decoded when it was loaded, not the file read
// again, while the file's time and length are unchanged; a changed file is
// read again.
TEST(TracingPictureFiles, APictureIsDecodedOnceUntilItsFileChanges) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    const std::filesystem::path file = editor.config.path() / "plan.bmp";
    writePicture(file, qRgb(255, 0, 0), "BMP");
    editor.dialogs.files = {QString::fromStdString(file.string())};
    main.pictures().loadBitmap();
    const TracingPicture& vtop = main.state().picture(ViewKind::VTop);
    ASSERT_TRUE(vtop.bitmapLoaded);

    // Blue now, but with the red file's length and time: still red.
    const auto time = std::filesystem::last_write_time(file);
    const auto length = std::filesystem::file_size(file);
    writePicture(file, qRgb(0, 0, 255), "BMP");
    ASSERT_EQ(std::filesystem::file_size(file), length);
    std::filesystem::last_write_time(file, time);
    for (int i = 0; i < 3; ++i) {
        main.follow(Effects::RedrawView | Effects::Render3D);
        EXPECT_EQ(centreOf(main, vtop), qRgb(255, 0, 0));
    }
    std::filesystem::last_write_time(file, time + std::chrono::seconds(2));
    main.follow(Effects::RedrawView | Effects::Render3D);
    EXPECT_EQ(centreOf(main, vtop), qRgb(0, 0, 255));
}

// The kept picture follows the size it is shown at and its file; its reads
// are counted.
TEST(TracingPictureFiles, TheCacheReadsOncePerFileAndSize) {
    const testing::TempDir dir;
    const QString file = QString::fromStdString(writePicture(dir.path() / "plan.bmp", qRgb(0, 128, 0), "BMP"));
    PictureCache cache;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(cache.picture(file, QSizeF(100, 60)).image.size(), QSize(100, 60));
    EXPECT_EQ(cache.picture(file, {}).image.size(), QSize(100, 60));  // whole: the same
    EXPECT_EQ(cache.reads(), 1);
    EXPECT_EQ(cache.picture(file, QSizeF(49.5, 30)).image.size(), QSize(50, 30));
    EXPECT_EQ(cache.picture(file, QSizeF(50, 30)).image.size(), QSize(50, 30));
    EXPECT_EQ(cache.picture(file, QSizeF(400, 240)).image.size(), QSize(100, 60));  // never above natural
    EXPECT_EQ(cache.reads(), 3);
    EXPECT_EQ(cache.picture(file, QSizeF(400, 240)).natural, QSize(100, 60));
    std::filesystem::remove(file.toStdString());
    EXPECT_FALSE(cache.picture(file, QSizeF(400, 240)).error.isEmpty());
    EXPECT_EQ(cache.reads(), 4);
}

}  // namespace
}  // namespace ferlo
