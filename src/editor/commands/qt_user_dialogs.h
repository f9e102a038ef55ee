#pragma once

#include <memory>

#include "editor/commands/user_dialogs.h"

class QColorDialog;

namespace ferlo {

// The dialogs as Qt boxes over the active window (Qt's own dialogs, not the
// desktop's, so they look and behave the same everywhere). The toolbar's
// open and save dialogs are made afresh at each use, so the name box starts
// empty, and each opens in the folder of its last use; the colour dialog is
// made once and kept, so it remembers its custom colours.
class QtUserDialogs : public UserDialogs {
public:
    QtUserDialogs();
    ~QtUserDialogs() override;

    bool question(const QString& text) override;
    SaveAnswer askToSave(const QString& text) override;
    void information(const QString& title, const QString& text) override;
    void warning(const QString& text) override;
    QString openFile(const QString& filter) override;
    QString inputText(const QString& prompt, const QString& title, const QString& defaultText) override;

    FileChoice openFileOfType(const QStringList& filters, int filterIndex) override;
    FileChoice saveFileOfType(const QStringList& filters, int filterIndex) override;
    std::optional<PackedColor> chooseColor(PackedColor initial) override;
    std::optional<PrintSelection> selectPrintViews() override;
    bool setUpPrinter(QPrinter& printer) override;

private:
    QString openFolder_;
    QString saveFolder_;
    std::unique_ptr<QColorDialog> colorDialog_;
};

}  // namespace ferlo
