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
#include <QTransform>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "base/image_file_scan.h"
#include "base/power_of_two_image.h"
#include "base/texture_copies.h"
#include "editor/picture_file.h"
#include "editor/tracing_pictures.h"
#include "support/default_aircraft.h"
#include "support/file_size_limit.h"
#include "support/jpeg_scan_flood.h"
#include "support/large_jpeg.h"
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

// A bitmap file of 58 bytes: a header claiming `width` x `height` pixels of
// 24 bits (or 8, run-length coded), then 4 bytes of pixels.
std::string bitmapHeader(std::uint32_t width, std::uint32_t height, bool runLength = false) {
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
    put(runLength ? 8 : 24, 2);                 // bits a pixel
    put(runLength ? 1 : 0, 4);                  // compression
    file += std::string(20, '\0');              // sizes, palette
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

// Photos and scans of every ordinary size become textures of their
// power-of-two size, at most 4096 a side; the panel half turns its image
// first. The large ones are decoded straight at that size.
TEST(QtImageConverter, LargeJpegsBecomeTexturesOfAtMost4096ASide) {
    const testing::TempDir dir;
    Services services;
    struct Case {
        int width, height;
        int finWidth, finHeight;
    };
    for (const Case c : {Case{4000, 3000, 4096, 4096}, Case{4096, 4096, 4096, 4096}, Case{3000, 1400, 4096, 1024},
                         Case{8192, 8192, 4096, 4096}}) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const std::string file = testing::writeLargeJpeg(dir.path() / "photo.jpg", c.width, c.height);
        const VertWingSection fin = loadedFin(file, services.context);
        EXPECT_EQ(fin.xtex, c.finWidth);
        EXPECT_EQ(fin.ytex, c.finHeight);
        ASSERT_EQ(fin.textureBytes().size(), std::size_t{3} * c.finWidth * c.finHeight);
        // The image's colours arrive where they belong.
        const int x = c.finWidth * 3 / 4, y = c.finHeight / 4;
        EXPECT_LE(channelDistance(textureRgb(fin.textureBytes(), c.finWidth, x, y),
                                  testing::largeJpegColour(x * c.width / c.finWidth, y * c.height / c.finHeight,
                                                           c.width, c.height)),
                  16);
        const WingSection half = loadedHalf(file, services.context);
        EXPECT_EQ(half.xtex, c.finHeight);
        EXPECT_EQ(half.ytex, c.finWidth);
    }
    EXPECT_TRUE(services.notifier.takePending().empty());
}

// Images of up to 2048 x 2048 pixels give the texture bytes and copies they
// always gave: decoded whole, turned, then scaled by Qt's smooth scaler.
TEST(QtImageConverter, ImagesUpTo2048ASideGiveTheBytesTheyAlwaysGave) {
    const testing::TempDir dir;
    Services services;
    for (const QSize size : {QSize(2048, 2048), QSize(1500, 900), QSize(300, 400)}) {
        SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
        const std::string file = testing::writeLargeJpeg(dir.path() / "photo.jpg", size.width(), size.height());
        QImageReader reader(QString::fromStdString(file));
        QImage expected = reader.read().convertToFormat(QImage::Format_RGB32).transformed(QTransform().rotate(90));
        const TextureSize texture = textureSize(expected.width(), expected.height());
        expected = expected.scaled(texture.width, texture.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB888);
        const WingSection half = loadedHalf(file, services.context);
        ASSERT_EQ(half.xtex, texture.width);
        ASSERT_EQ(half.ytex, texture.height);
        for (int y = 0; y < texture.height; ++y) {
            const auto* row = expected.constScanLine(y);
            ASSERT_TRUE(std::equal(row, row + std::size_t{3} * texture.width,
                                   half.textureBytes().begin() + std::size_t{3} * texture.width * y))
                << "row " << y;
        }
    }
}

// Hostile headers are refused from the header and the file's length, before
// any pixel is decoded or scaled, with the reason: the kept inputs that once
// crashed Qt's scaler (1 x 262150 pixels in 58 bytes) or cost seconds, and a
// compressed bitmap claiming more than 100 megapixels.
TEST(QtImageConverter, HostileHeadersAreRefusedBeforeDecodingWithTheReason) {
    const testing::TempDir dir;
    Services services;
    struct Case {
        std::string file;
        std::string reason;
    };
    const Case cases[] = {
        {FERLO_FUZZ_DIR "/kept/image/bmp_1x262150.bmp",
         "the bitmap file holds 58 bytes, but its header claims 1 x 262150 pixels, which need 1048653 bytes"},
        {FERLO_FUZZ_DIR "/kept/image/bmp_2896x2896.bmp",
         "the bitmap file holds 58 bytes, but its header claims 2896 x 2896 pixels, which need 25160502 bytes"},
        {dir.write("claim.bmp", bitmapHeader(12000, 12000, true)),
         "the image is 12000 x 12000 pixels; an image may have at most 100000000 pixels (100 megapixels)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        try {
            services.converter.load(c.file);
            ADD_FAILURE() << "loaded";
        } catch (const ImageError& e) {
            EXPECT_EQ(e.reason(), c.reason);
        }
        EXPECT_EQ(services.converter.width(), 0);
        EXPECT_EQ(readPicture(QString::fromStdString(c.file)).error.toStdString(), c.reason);

        const WingSection half = loadedHalf(c.file, services.context);
        EXPECT_FALSE(half.texture_loaded);
        EXPECT_EQ(services.notifier.takePending(),
                  (std::vector<TextureFailure>{{kWingSectionTextureError, c.file, c.reason}}));
        EXPECT_THROW(saveTarget(services.converter, c.file, "copy.bmp", dir.path() / "copies"), ImageError);
    }
}

// A progressive JPEG of more scans than any encoder writes is refused before
// it is decoded, as a texture and as a tracing picture: the work is bounded
// by the scans counted. One scan below the bound still loads.
TEST(QtImageConverter, AJpegScanFloodIsRefusedBeforeDecoding) {
    const testing::TempDir dir;
    QtImageConverter converter;
    const QByteArray plain = testing::jpegScanFlood(64, 48, 0);
    ASSERT_FALSE(plain.isEmpty());
    ImageFileScan plainScan;
    plainScan.feed({reinterpret_cast<const std::uint8_t*>(plain.constData()), static_cast<std::size_t>(plain.size())});
    const int written = plainScan.jpegScans();
    ASSERT_GT(written, 1);  // progressive

    const std::string within = dir.write("within.jpg", testing::jpegScanFlood(64, 48, kMaxJpegScans - written).toStdString());
    converter.load(within);
    EXPECT_EQ(converter.width(), 64);
    const std::string flood = dir.write("flood.jpg", testing::jpegScanFlood(64, 48, 2000).toStdString());
    try {
        converter.load(flood);
        ADD_FAILURE() << "loaded";
    } catch (const ImageError& e) {
        EXPECT_NE(e.reason().find("more than 300 scans"), std::string::npos) << e.what();
    }
    EXPECT_EQ(converter.width(), 0);
    const PictureRead picture = readPicture(QString::fromStdString(flood));
    EXPECT_TRUE(picture.image.isNull());
    EXPECT_NE(picture.error.indexOf("more than 300 scans"), -1);
}

// Qt's allocation check is one value for the whole program: a read may raise
// it for itself, and leaves it as it found it, so a texture read first does
// not cap a large tracing picture read after it.
TEST(QtImageConverter, ATextureReadLeavesNoCapOnALargePictureReadAfterIt) {
    const testing::TempDir dir;
    const int limit = QImageReader::allocationLimit();
    QtImageConverter converter;
    const std::string photo = testing::writeLargeJpeg(dir.path() / "photo.jpg", 3000, 1400);
    loadPowerOfTwoImage(converter, photo, true);
    EXPECT_EQ(converter.width(), 1024);
    EXPECT_EQ(QImageReader::allocationLimit(), limit);

    const std::string scan = testing::writeLargeJpeg(dir.path() / "scan.jpg", 7000, 7000);
    const PictureRead picture = readPicture(QString::fromStdString(scan));
    EXPECT_EQ(picture.error, "");
    EXPECT_EQ(picture.image.size(), QSize(7000, 7000));
    EXPECT_EQ(picture.natural, QSize(7000, 7000));
    EXPECT_EQ(QImageReader::allocationLimit(), limit);
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
        EXPECT_EQ(readPicture(QString::fromStdString(c.path.string())).error.toStdString(),
                  "the file cannot be opened: " + c.reason);
    }
    EXPECT_EQ(fifo.readersSeen(), 0);
    // A regular file loads as ever, as both.
    const std::string image = writeImage(dir, "a.bmp", "BMP", 32, 16, distinctColour);
    EXPECT_EQ(readPicture(QString::fromStdString(image)).image.size(), QSize(32, 16));
}

}  // namespace
}  // namespace ferlo
