#include "editor/commands/qt_user_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>

#include "editor/commands/file_filters.h"
#include "editor/commands/print_select.h"

namespace ferlo {

namespace {

// Room beside a window's title for the frame's icon and buttons, pixels.
constexpr int kTitleBarButtonsWidth = 160;

// A file dialog made for one use, so its name box starts empty (Qt's
// selectFile cannot empty it), in `folder` when one is known, with
// `filters` on filter `filterIndex`; `folder` becomes the one it ended in.
FileChoice runFileDialog(QFileDialog::AcceptMode mode, QString& folder, const QStringList& filters,
                         int filterIndex) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size()) dialog.selectNameFilter(filters[filterIndex - 1]);
    if (mode == QFileDialog::AcceptSave) {
        // The extension a bare name gets is added before the dialog checks
        // for a file to replace, so it asks about the file that is written.
        const auto followFilter = [&dialog](const QString& filter) { dialog.setDefaultSuffix(defaultSuffixOf(filter)); };
        followFilter(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
    }
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    const QString file = accepted ? dialog.selectedFiles().front() : QString();
    // A path typed whole leaves the dialog showing the folder it began in.
    folder = accepted ? QFileInfo(file).absolutePath() : dialog.directory().absolutePath();
    return {file, filterIndexOf(filters, dialog.selectedNameFilter())};
}

}  // namespace

QtUserDialogs::QtUserDialogs() : colorDialog_(std::make_unique<QColorDialog>()) {
    colorDialog_->setOption(QColorDialog::DontUseNativeDialog);
}

QtUserDialogs::~QtUserDialogs() = default;

bool QtUserDialogs::question(const QString& text) {
    return QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

SaveAnswer QtUserDialogs::askToSave(const QString& text) {
    switch (QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text,
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save: return SaveAnswer::Save;
    case QMessageBox::Discard: return SaveAnswer::Discard;
    default: return SaveAnswer::Cancel;
    }
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
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // Wide enough for the frame to show the whole title. The box sizes
    // itself to its controls, so its prompt (which spans it) is widened.
    const QFontMetrics titleFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setMinimumWidth(titleFont.horizontalAdvance(title) + kTitleBarButtonsWidth);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

FileChoice QtUserDialogs::openFileOfType(const QStringList& filters, int filterIndex) {
    return runFileDialog(QFileDialog::AcceptOpen, openFolder_, filters, filterIndex);
}

FileChoice QtUserDialogs::saveFileOfType(const QStringList& filters, int filterIndex) {
    return runFileDialog(QFileDialog::AcceptSave, saveFolder_, filters, filterIndex);
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
