#include "editor/editor_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace ferlo {

EditorPaths EditorPaths::standard() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return {config, QCoreApplication::applicationDirPath()};
}

}  // namespace ferlo
