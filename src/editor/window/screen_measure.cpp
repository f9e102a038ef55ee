#include "editor/window/screen_measure.h"

#include <QGuiApplication>
#include <QScreen>

namespace ferlo {

QSize QtScreenMeasure::workArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().size() : QSize(1024, 768);
}

QSize QtScreenMeasure::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize(1024, 768);
}

double QtScreenMeasure::logicalDpi() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace ferlo
