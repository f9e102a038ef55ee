#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>

namespace ferlo {

// The open dialog's filter of tracing pictures: every format Qt's image
// reader reads here ("Picture File (*.bmp *.gif *.jpeg *.jpg ...)").
QString pictureFilter();

// A tracing picture file as read: its natural size (the size its header
// claims, or the decoded size where the format tells none) and the image
// decoded at the size asked; or, when it cannot be read, why.
struct PictureRead {
    QImage image;      // null when the file could not be read
    QSize natural;
    QString error;     // the reason, "" when read
};

// Reads the picture `file` by its content, whatever its name says, decoded
// at `shown` pixels (rounded up), the size it is painted at, and whole when
// that is not smaller than the natural size or not valid. A file that is no
// regular file, a damaged file and a header claiming more than
// checkImageSize allows give their reason, before any pixel is decoded.
PictureRead readPicture(const QString& file, QSizeF shown = {});

// One view's decoded picture, kept so that a paint does not decode the file
// again: read again only when the file changed (its modification time or
// length) or when it is shown at another size.
class PictureCache {
public:
    // The picture of `file` for painting at `shown` pixels.
    const PictureRead& picture(const QString& file, QSizeF shown);
    // Lets the decoded picture go.
    void clear();

    int reads() const { return reads_; }  // files decoded so far

private:
    QString file_;
    QDateTime modified_;
    qint64 length_ = -1;
    PictureRead read_;
    int reads_ = 0;
};

}  // namespace ferlo
