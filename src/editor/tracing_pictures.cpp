#include "editor/tracing_pictures.h"

#include <cmath>

#include <QAction>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QTimer>

#include "document/plane.h"
#include "editor/drawing_area.h"
#include "editor/editor.h"
#include "editor/main_controls.h"
#include "editor/user_dialogs.h"

namespace ferlo {

std::optional<double> readResizeFactor(const QString& answer) {
    const QString text = answer.trimmed();
    bool ok = false;
    double factor = QLocale().toDouble(text, &ok);
    if (!ok) factor = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(factor) || factor <= 0) return std::nullopt;
    return factor;
}

QString resizeFactorText(double factor) {
    const QString number = QLocale().toString(factor, 'g', QLocale::FloatingPointShortest);
    return factor >= 0 ? ' ' + number : number;
}

TracingPictures::TracingPictures(Editor& main) : main_(main) {
    MainControls& c = main_.controls();
    QObject::connect(c.LoadBitmap, &QAction::triggered, [this] { loadBitmap(); });
    QObject::connect(c.MoveBitmap, &QAction::triggered, [this] { moveBitmap(); });
    QObject::connect(c.SizeBitmap, &QAction::triggered, [this] { sizeBitmap(); });
    // LockZoom is a check item: choosing it reverses its mark by itself.
    QObject::connect(c.ClearBitmap, &QAction::triggered, [this] { clearBitmap(); });
    QObject::connect(c.Popup, &QMenu::aboutToShow, [this] { enableItemsOfView(); });
}

void TracingPictures::loadBitmap() {
    MainControls& c = main_.controls();
    TracingPicture& p = main_.state().picture();
    p.bitmapFile = main_.dialogs().openFile(pictureFilter());
    if (p.bitmapFile.isEmpty()) {
        // The picture stays on screen until the view is next drawn, without it.
        p.bitmapLoaded = false;
        c.LockZoom->setEnabled(false);
        enableItemsOfView();
        return;
    }
    clearBitmap();
    const PictureRead& read = decoded().picture(p.bitmapFile, {});
    const QImage& picture = read.image;
    if (picture.isNull()) {
        main_.dialogs().warning(
            QStringLiteral("The picture \"%1\" could not be loaded: %2.").arg(p.bitmapFile, read.error));
        return;
    }
    p.bitmapLoaded = true;
    enableItemsOfView();
    p.bitmapSize = {static_cast<double>(read.natural.width()), static_cast<double>(read.natural.height())};
    p.bitmapPos = {c.DrawArea->width() / 2.0 - p.bitmapSize.x / 2, c.DrawArea->height() / 2.0 - p.bitmapSize.y / 2};
    p.bitmapScale = 100;
    paint(picture);
    c.LockZoom->setEnabled(true);
}

void TracingPictures::moveBitmap() { main_.state().view.altkey = true; }

void TracingPictures::sizeBitmap() {
    TracingPicture& p = main_.state().picture();
    if (!p.bitmapLoaded) return;
    const QString answer = main_.dialogs().inputText(QStringLiteral("Size (%)"),
                                                     QStringLiteral("Enter a resizing factor"),
                                                     resizeFactorText(p.bitmapScale));
    const std::optional<double> factor = readResizeFactor(answer);
    if (!factor) return;
    const QSize natural = decoded().picture(p.bitmapFile, {p.bitmapSize.x, p.bitmapSize.y}).natural;
    if (natural.isEmpty()) {
        main_.follow(Effects::RedrawView | Effects::Render3D);  // the file is gone: the view is drawn without it
        return;
    }
    const Point2D size{natural.width() * *factor / 100, natural.height() * *factor / 100};
    if (size.x > kMaxPaintedSide || size.y > kMaxPaintedSide) return;
    p.bitmapScale = *factor;
    p.bitmapSize = size;
    paint(decoded().picture(p.bitmapFile, {size.x, size.y}).image);
}

void TracingPictures::lockZoom() {
    QAction* lock = main_.controls().LockZoom;
    lock->setChecked(!lock->isChecked());
}

void TracingPictures::clearBitmap() {
    main_.edit(
        [&] {
            main_.controls().DrawArea->canvas().clear();
            main_.state().picture().bitmapLoaded = false;
            decoded().clear();
        },
        Effects::RedrawView | Effects::Render3D);
    removeZoomLock();
}

void TracingPictures::clearDrawingArea() {
    TracingPicture& p = main_.state().picture();
    QImageCanvas& canvas = main_.controls().DrawArea->canvas();
    if (p.bitmapLoaded) {
        const QImage& picture = decoded().picture(p.bitmapFile, {p.bitmapSize.x, p.bitmapSize.y}).image;
        if (!picture.isNull()) {
            paint(picture);
            enableItemsOfView();
            return;
        }
        p.bitmapLoaded = false;
        removeZoomLock();
        tellPictureLost(p.bitmapFile);
    }
    canvas.clear();
    enableItemsOfView();
}

void TracingPictures::resetAtStartUp() {
    TracingPicture& vtop = main_.state().picture(ViewKind::VTop);
    vtop.bitmapLoaded = false;
    vtop.bitmapPos = {0, 0};
    vtop.bitmapScale = 100;
    enableItemsOfView();
}

void TracingPictures::enableItemsOfView() {
    const bool loaded = main_.state().picture().bitmapLoaded;
    MainControls& c = main_.controls();
    for (QAction* item : {c.MoveBitmap, c.SizeBitmap, c.ClearBitmap}) item->setEnabled(loaded);
}

void TracingPictures::removeZoomLock() {
    QAction* lock = main_.controls().LockZoom;
    lock->setEnabled(false);
    lock->setChecked(false);
}

// Told once the event loop is back, never from inside the drawing that
// found the file gone; the view no longer has the picture, so the next
// drawing does not tell it again.
void TracingPictures::tellPictureLost(const QString& file) {
    const QString reason = QFileInfo::exists(file) ? QStringLiteral("can no longer be read")
                                                   : QStringLiteral("no longer exists");
    const QString text = QStringLiteral("The picture \"%1\" %2; the view is shown without it.").arg(file, reason);
    UserDialogs& dialogs = main_.dialogs();
    QTimer::singleShot(0, main_.controls().Main, [&dialogs, text] { dialogs.warning(text); });
}

PictureCache& TracingPictures::decoded() { return decoded_[static_cast<std::size_t>(main_.state().mode)]; }

void TracingPictures::paint(const QImage& picture) {
    const TracingPicture& p = main_.state().picture();
    QImageCanvas& canvas = main_.controls().DrawArea->canvas();
    canvas.clear();
    canvas.paintPicture(picture, QRectF(p.bitmapPos.x, p.bitmapPos.y, p.bitmapSize.x, p.bitmapSize.y));
}

}  // namespace ferlo
