#include "view3d/fatal_error.h"

#include <cstdlib>

#include <QGuiApplication>
#include <QMessageBox>
#include <QOpenGLContext>

namespace ferlo {

void MessageBoxFatalNotifier::fatalError(const QString& title, const QString& text) {
    QMessageBox::critical(nullptr, title, text, QMessageBox::Ok);
    std::_Exit(EXIT_FAILURE);
}

QString fatalErrorTitle() { return QStringLiteral("Fatal Error In ") + QGuiApplication::applicationDisplayName(); }

QString fatalErrorText(const QString& message) { return QStringLiteral("Fatal Error: ") + message; }

bool usableContext(const QOpenGLContext* context) {
    return context != nullptr && context->isValid() && context->format().profile() != QSurfaceFormat::CoreProfile;
}

}  // namespace ferlo
