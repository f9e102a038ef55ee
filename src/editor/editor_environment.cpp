#include "editor/editor_environment.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>

namespace ferlo {

EditorPaths EditorPaths::standard() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return {config, QCoreApplication::applicationDirPath()};
}

bool movePlatformPointer(const QPoint& screen) {
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) return false;
    QCursor::setPos(screen);
    return true;
}

}  // namespace ferlo
