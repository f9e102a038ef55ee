#include "editor/picture_file.h"

#include <algorithm>
#include <cmath>

#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

#include "base/image_converter.h"
#include "view3d/image_file.h"

namespace ferlo {

namespace {

// The size a picture is decoded at for painting at `shown`: rounded up, at
// least a pixel, never above the natural size; not valid for whole.
QSize decodeSize(QSize natural, QSizeF shown) {
    if (!natural.isValid() || !shown.isValid()) return {};
    const auto side = [](double painted, int whole) {
        if (!(painted < whole)) return whole;  // also for NaN
        return std::max(1, static_cast<int>(std::ceil(painted)));
    };
    const QSize size(side(shown.width(), natural.width()), side(shown.height(), natural.height()));
    return size == natural ? QSize() : size;
}

}  // namespace

QString pictureFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << "*." + QString::fromLatin1(format).toLower();
    }
    patterns.sort();
    patterns.removeDuplicates();
    return QStringLiteral("Picture File (%1)").arg(patterns.join(' '));
}

PictureRead readPicture(const QString& file, QSizeF shown) {
    PictureRead read;
    try {
        ImageFileReader reader(QFile::encodeName(file).toStdString());
        read.natural = reader.claimedSize();
        read.image = reader.read(decodeSize(read.natural, shown));
        if (!read.natural.isValid()) read.natural = read.image.size();
    } catch (const ImageError& error) {
        read.image = QImage();
        read.error = QString::fromStdString(error.reason());
    }
    return read;
}

const PictureRead& PictureCache::picture(const QString& file, QSizeF shown) {
    const QFileInfo info(file);
    const QDateTime modified = info.lastModified();
    const qint64 length = info.size();
    const QSize scaled = decodeSize(read_.natural, shown);
    const bool kept = !read_.image.isNull() && file == file_ && info.exists() && modified == modified_ &&
                      length == length_ && read_.image.size() == (scaled.isValid() ? scaled : read_.natural);
    if (!kept) {
        read_ = readPicture(file, shown);
        ++reads_;
        file_ = file;
        modified_ = modified;
        length_ = length;
    }
    return read_;
}

void PictureCache::clear() {
    read_ = PictureRead();
    file_.clear();
}

}  // namespace ferlo
