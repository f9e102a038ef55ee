#include "editor/qt_user_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

#include "editor/file_filters.h"
#include "editor/print_select.h"

namespace ferlo {

namespace {

std::unique_ptr<QFileDialog> fileDialog(QFileDialog::AcceptMode mode) {
    auto dialog = std::make_unique<QFileDialog>();
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return dialog;
}

// Shows a kept file dialog with `filters`, on filter `filterIndex`, and no
// file name typed.
FileChoice runFileDialog(QFileDialog& dialog, const QStringList& filters, int filterIndex) {
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size()) dialog.selectNameFilter(filters[filterIndex - 1]);
    dialog.selectFile(QString());
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    return {accepted ? dialog.selectedFiles().front() : QString(), filterIndexOf(filters, dialog.selectedNameFilter())};
}

}  // namespace

QtUserDialogs::QtUserDialogs()
    : openDialog_(fileDialog(QFileDialog::AcceptOpen)), saveDialog_(fileDialog(QFileDialog::AcceptSave)) {
    colorDialog_ = std::make_unique<QColorDialog>();
    colorDialog_->setOption(QColorDialog::DontUseNativeDialog);
}

QtUserDialogs::~QtUserDialogs() = default;

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
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

FileChoice QtUserDialogs::openFileOfType(const QStringList& filters, int filterIndex) {
    return runFileDialog(*openDialog_, filters, filterIndex);
}

FileChoice QtUserDialogs::saveFileOfType(const QStringList& filters, int filterIndex) {
    return runFileDialog(*saveDialog_, filters, filterIndex);
}

std::optional<PackedColor> QtUserDialogs::chooseColor(PackedColor initial) {
    const ColorRGB rgb = unpackColor(initial);
    colorDialog_->setCurrentColor(
        QColor(static_cast<int>(rgb.red), static_cast<int>(rgb.green), static_cast<int>(rgb.blue)));
    if (colorDialog_->exec() != QDialog::Accepted) return std::nullopt;
    const QColor chosen = colorDialog_->selectedColor();
    return packColor(
        {static_cast<double>(chosen.red()), static_cast<double>(chosen.green()), static_cast<double>(chosen.blue())});
}

std::optional<PrintSelection> QtUserDialogs::selectPrintViews() {
    PrintSelect dialog(QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selection();
}

bool QtUserDialogs::setUpPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace ferlo
