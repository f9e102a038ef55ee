#include "editor/window/editor_environment.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>

namespace ferlo {

EditorPaths EditorPaths::standard() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    keepQtSettingsIn(config);
    return {config, QCoreApplication::applicationDirPath()};
}

// Qt writes its settings under its own organisation name, which no setting
// of the application changes; only the folder of user settings can.
void keepQtSettingsIn(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

bool movePlatformPointer(const QPoint& screen) {
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) return false;
    QCursor::setPos(screen);
    return true;
}

}  // namespace ferlo
