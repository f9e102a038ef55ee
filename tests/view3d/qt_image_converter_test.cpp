#include "view3d/qt_image_converter.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "base/texture_copies.h"
#include "editor/tracing_pictures.h"
#include "support/default_aircraft.h"
#include "support/file_size_limit.h"
#include "support/recording_texture_upload.h"
#include "support/temp_dir.h"
#include "support/watched_fifo.h"
#include "view3d/conversion_progress_window.h"

namespace ferlo {
namespace {

// Every pixel its own colour, for files that keep pixels exactly (BMP).
QRgb distinctColour(int x, int y) { return qRgb(x % 256, y % 256, (x * 7 + y * 3) % 256); }
// Smooth colours over images up to 400 pixels, which JPEG keeps closely.
QRgb smoothColour(int x, int y) { return qRgb(x * 255 / 400, y * 255 / 400, 128); }

template <typename Colour>
std::string writeImage(const testing::TempDir& dir, const std::string& name, const char* format, int width,
                       int height, Colour colour) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, colour(x, y));
    }
    const std::string path = (dir.path() / name).string();
    EXPECT_TRUE(image.save(QString::fromStdString(path), format, 95)) << path;
    return path;
}

// A 24-bit bitmap file of 58 bytes: a header claiming `width` x `height`
// pixels, then 4 bytes of pixels.
std::string bitmapHeader(std::uint32_t width, std::uint32_t height) {
    std::string file = "BM";
    const auto put = [&file](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) file += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(58, 4);                                 // file size
    put(0, 4);                                  // reserved
    put(54, 4);                                 // offset of the pixels
    put(40, 4);                                 // size of the info header
    put(width, 4);
    put(height, 4);
    put(1, 2);                                  // planes
    put(24, 2);                                 // bits a pixel
    file += std::string(24, '\0');              // no compression, sizes, palette
    file += std::string(4, '\x7f');             // the pixels there are
    return file;
}

// The real services of the 3D view, with a recording upload.
struct Services {
    QtImageConverter converter;
    ConversionProgressWindow progress;
    RecordingTextureUpload upload;
    TextureErrorLog notifier;
    TextureContext context{converter, progress, upload, notifier};
};

WingSection loadedHalf(const std::string& file, TextureContext& context) {
    SymWingSections panel = testing::defaultWingPanel();
    panel.create();
    panel.setTexture(file);
    panel.Left.textureMap(context);
    return panel.Left;
}

VertWingSection loadedFin(const std::string& file, TextureContext& context) {
    VertWingSection fin = testing::defaultFin();
    fin.setTexture(file);
    fin.textureMap(context);
    return fin;
}

QRgb textureRgb(const std::vector<std::uint8_t>& bytes, int xtex, int x, int y) {
    const auto at = static_cast<std::size_t>((y * xtex + x) * 3);
    return qRgb(bytes.at(at), bytes.at(at + 1), bytes.at(at + 2));
}

int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

TEST(QtImageConverter, RealFilesGetPowerOfTwoSizes) {
    const testing::TempDir dir;
    Services services;
    for (const char* format : {"BMP", "JPEG"}) {
        const std::string name = std::string("tall.") + format;
        const std::string tall = writeImage(dir, name, format, 300, 400, smoothColour);
        const WingSection half = loadedHalf(tall, services.context);
        EXPECT_EQ(half.xtex, 512) << format;
        EXPECT_EQ(half.ytex, 256) << format;
        const VertWingSection fin = loadedFin(tall, services.context);
        EXPECT_EQ(fin.xtex, 256) << format;
        EXPECT_EQ(fin.ytex, 512) << format;
        EXPECT_EQ(fin.textureBytes().size(), 256u * 512u * 3u) << format;

        const std::string wide = writeImage(dir, std::string("wide.") + format, format, 256, 128, smoothColour);
        const VertWingSection kept = loadedFin(wide, services.context);
        EXPECT_EQ(kept.xtex, 256) << format;
        EXPECT_EQ(kept.ytex, 128) << format;
    }
    EXPECT_TRUE(services.notifier.takePending().empty());
    EXPECT_FALSE(services.progress.isVisible());
}

TEST(QtImageConverter, BitmapPixelsArriveExactlyAndTheHalfTurnsClockwise) {
    const testing::TempDir dir;
    Services services;
    const std::string file = writeImage(dir, "pattern.bmp", "BMP", 256, 128, distinctColour);

    const VertWingSection fin = loadedFin(file, services.context);
    const WingSection half = loadedHalf(file, services.context);
    ASSERT_EQ(half.xtex, 128);
    ASSERT_EQ(half.ytex, 256);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 256; ++x) {
            ASSERT_EQ(textureRgb(fin.textureBytes(), 256, x, y), distinctColour(x, y)) << x << ", " << y;
            // Turned clockwise: the source's bottom-left corner becomes the top-left.
            ASSERT_EQ(textureRgb(half.textureBytes(), 128, 127 - y, x), distinctColour(x, y)) << x << ", " << y;
        }
    }
}

TEST(QtImageConverter, JpegPixelsArriveClose) {
    const testing::TempDir dir;
    Services services;
    const std::string file = writeImage(dir, "smooth.jpg", "JPEG", 256, 128, smoothColour);
    const VertWingSection fin = loadedFin(file, services.context);
    int worst = 0;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 256; ++x) {
            worst = std::max(worst, channelDistance(textureRgb(fin.textureBytes(), 256, x, y), smoothColour(x, y)));
        }
    }
    EXPECT_LE(worst, 12);
}

std::string fileStart(const std::string& path, std::size_t count) {
    return testing::TempDir::read(path).substr(0, count);
}

TEST(QtImageConverter, CopiesAreTwentyFourBitBitmapsAndJpegs) {
    const testing::TempDir sources;
    const testing::TempDir project;
    QtImageConverter converter;

    // A JPEG source keeps its title in the project: a bitmap named ".jpg".
    const std::string photo = writeImage(sources, "photo.jpg", "JPEG", 300, 400, smoothColour);
    saveTarget(converter, photo, "photo.jpg", project.path());
    const std::string copy = (project.path() / "photo.jpg").string();
    const std::string header = fileStart(copy, 30);
    ASSERT_EQ(header.size(), 30u);
    EXPECT_EQ(header.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(header[28]) | static_cast<unsigned char>(header[29]) << 8, 24);
    converter.load(copy);  // recognised by its content
    EXPECT_EQ(converter.width(), 256);
    EXPECT_EQ(converter.height(), 512);

    // The JPEG copy of a bitmap for the world file, turned like the wing half's texture.
    const std::string bitmap = writeImage(sources, "wing.bmp", "BMP", 300, 400, smoothColour);
    EXPECT_EQ(convertJPG(converter, bitmap, "wing.bmp", project.path()), "wing.jpg");
    const std::string jpeg = (project.path() / "wing.jpg").string();
    EXPECT_EQ(fileStart(jpeg, 3), "\xFF\xD8\xFF");
    QImageReader reader(QString::fromStdString(jpeg));
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage world = reader.read();
    ASSERT_EQ(world.size(), QSize(512, 256));

    Services services;
    const WingSection half = loadedHalf(bitmap, services.context);
    int worst = 0;
    for (int y = 0; y < 256; y += 5) {
        for (int x = 0; x < 512; x += 5) {
            worst = std::max(worst, channelDistance(world.pixel(x, y), textureRgb(half.textureBytes(), 512, x, y)));
        }
    }
    EXPECT_LE(worst, 12);
}

TEST(QtImageConverter, UnusableFilesAreImageErrors) {
    const testing::TempDir dir;
    QtImageConverter converter;
    const std::string files[] = {(dir.path() / "missing.bmp").string(), dir.write("empty.bmp", ""),
                                 dir.write("text.jpg", "not an image"),
                                 dir.write("huge.bmp", bitmapHeader(100000, 100000))};
    for (const std::string& file : files) {
        EXPECT_THROW(converter.load(file), ImageError) << file;
        EXPECT_EQ(converter.width(), 0) << file;
    }
    // Nothing loaded, nothing to write.
    EXPECT_THROW(converter.saveBitmap((dir.path() / "out.bmp").string()), WriteError);

    Services services;
    SymWingSections panel = testing::defaultWingPanel();
    panel.create();
    panel.setTexture(files[2]);
    panel.Left.textureMap(services.context);
    panel.Right.textureMap(services.context);
    EXPECT_EQ(services.notifier.takePending().size(), 1u);
    EXPECT_FALSE(panel.Left.texture_loaded);
    EXPECT_FALSE(services.progress.isVisible());
}

// A header claiming more than a texture can hold is refused before any
// pixel is decoded or scaled, wherever the image is used: 1 x 262150 pixels
// once crashed the scaler, millions of pixels took seconds.
TEST(QtImageConverter, HeadersClaimingMoreThanATextureHoldsAreRefusedBeforeDecoding) {
    const testing::TempDir dir;
    Services services;
    struct Claim {
        std::uint32_t width, height;
    };
    for (const Claim c : {Claim{1, 262150}, Claim{2896, 2896}, Claim{4100, 4100}, Claim{16385, 1}, Claim{2049, 2048}}) {
        const std::string size = std::to_string(c.width) + " x " + std::to_string(c.height);
        SCOPED_TRACE(size);
        const std::string file = dir.write("claim.bmp", bitmapHeader(c.width, c.height));
        try {
            services.converter.load(file);
            ADD_FAILURE() << "loaded";
        } catch (const ImageError& e) {
            EXPECT_NE(std::string(e.what()).find(size), std::string::npos) << e.what();
        }
        EXPECT_EQ(services.converter.width(), 0);

        const WingSection half = loadedHalf(file, services.context);
        EXPECT_FALSE(half.texture_loaded);
        EXPECT_EQ(services.notifier.takePending().size(), 1u);
        EXPECT_THROW(saveTarget(services.converter, file, "copy.bmp", dir.path() / "copies"), ImageError);
    }
    // The largest claims allowed are decoded as far as the file goes.
    for (const Claim c : {Claim{2048, 2048}, Claim{16384, 1}}) {
        services.converter.load(dir.write("claim.bmp", bitmapHeader(c.width, c.height)));
        EXPECT_EQ(services.converter.width(), static_cast<int>(c.width));
        EXPECT_EQ(services.converter.height(), static_cast<int>(c.height));
    }
}

TEST(QtImageConverter, AnUnwritableCopyIsAWriteError) {
    const testing::TempDir dir;
    QtImageConverter converter;
    converter.load(writeImage(dir, "a.bmp", "BMP", 64, 64, smoothColour));
    std::filesystem::create_directory(dir.path() / "folder.jpg");
    const std::string previous = dir.write("full.bmp", "the previous copy");
    struct Case {
        std::string path;
        int error;  // the system's reason
        rlim_t fileSizeLimit;  // 0: none
    };
    for (const Case& c : {Case{(dir.path() / "no-such-folder" / "a.jpg").string(), ENOENT, 0},
                          Case{(dir.path() / "folder.jpg").string(), EISDIR, 0},
                          Case{previous, EFBIG, 1000}}) {
        try {
            std::optional<testing::FileSizeLimit> limit;
            if (c.fileSizeLimit > 0) limit.emplace(c.fileSizeLimit);
            converter.saveBitmap(c.path);
            ADD_FAILURE() << c.path << " written";
        } catch (const WriteError& e) {
            const std::string reason = std::system_category().message(c.error);
            EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.path), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(testing::TempDir::read(previous), "the previous copy");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"a.bmp", "folder.jpg", "full.bmp"}));
}

// A copy replaces a symbolic link standing at its name (a project folder
// unpacked from an archive may hold one) instead of writing the image into
// whatever the link points to.
TEST(QtImageConverter, ACopyReplacesALinkAtItsName) {
    const testing::TempDir dir;
    QtImageConverter converter;
    converter.load(writeImage(dir, "a.bmp", "BMP", 64, 64, smoothColour));
    const std::string notes = dir.write("notes.txt", "7 bytes");
    for (const char* copy : {"wood.jpg", "wood.bmp"}) {
        std::filesystem::create_symlink(notes, dir.path() / copy);
    }
    converter.saveJpeg((dir.path() / "wood.jpg").string());
    converter.saveBitmap((dir.path() / "wood.bmp").string());
    EXPECT_EQ(testing::TempDir::read(notes), "7 bytes");
    EXPECT_FALSE(std::filesystem::is_symlink(dir.path() / "wood.jpg"));
    EXPECT_FALSE(std::filesystem::is_symlink(dir.path() / "wood.bmp"));
    EXPECT_EQ(fileStart((dir.path() / "wood.jpg").string(), 3), "\xFF\xD8\xFF");
    EXPECT_EQ(fileStart((dir.path() / "wood.bmp").string(), 2), "BM");
}

// An image file the user points at that is no regular file is refused with
// the reason, and a FIFO is never opened, so nothing waits for its writer:
// as a texture and as a tracing picture alike.
TEST(QtImageConverter, WhatIsNoRegularFileIsRefusedWithoutWaiting) {
    const testing::TempDir dir;
    const testing::WatchedFifo fifo(dir.path() / "fifo.bmp");
    std::filesystem::create_directory(dir.path() / "folder.bmp");
    struct Case {
        std::filesystem::path path;
        std::string reason;
    };
    for (const Case& c : {Case{fifo.path(), "it is not a regular file (a pipe, a device or a socket)"},
                          Case{dir.path() / "folder.bmp", std::system_category().message(EISDIR)}}) {
        QtImageConverter converter;
        try {
            converter.load(c.path.string());
            ADD_FAILURE() << c.path << " loaded";
        } catch (const ImageError& e) {
            EXPECT_EQ(std::string(e.what()), c.path.string() + ": the file cannot be opened: " + c.reason);
        }
        EXPECT_TRUE(loadPicture(QString::fromStdString(c.path.string())).isNull());
    }
    EXPECT_EQ(fifo.readersSeen(), 0);
    // A regular file loads as ever, as both.
    const std::string image = writeImage(dir, "a.bmp", "BMP", 32, 16, distinctColour);
    EXPECT_EQ(loadPicture(QString::fromStdString(image)).size(), QSize(32, 16));
}

}  // namespace
}  // namespace ferlo
