#include "editor/qt_user_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace ferlo {

bool QtUserDialogs::question(const QString& text) {
    return QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void QtUserDialogs::information(const QString& title, const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), title, text);
}

void QtUserDialogs::warning(const QString& text) {
    QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text);
}

QString QtUserDialogs::openFile(const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString QtUserDialogs::inputText(const QString& prompt, const QString& title, const QString& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

}  // namespace ferlo
