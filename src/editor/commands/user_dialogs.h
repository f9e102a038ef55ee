#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "document/print_jobs.h"
#include "editor/commands/file_filters.h"
#include "editor/drawing/packed_color.h"

class QPrinter;

namespace ferlo {

// The answers to the question whether to save the changes first.
enum class SaveAnswer { Save, Discard, Cancel };

// The questions, messages and dialogs the editor puts to the user, behind one
// interface: QtUserDialogs shows real boxes, tests script the answers.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A Yes/No question with a warning icon and No as the default; true for Yes.
    virtual bool question(const QString& text) = 0;
    // A question with Save, Discard and Cancel buttons, a warning icon and
    // Save as the default; closing the box answers Cancel.
    virtual SaveAnswer askToSave(const QString& text) = 0;
    // A message with an information icon and an OK button.
    virtual void information(const QString& title, const QString& text) = 0;
    // A message with a warning icon and an OK button.
    virtual void warning(const QString& text) = 0;
    // An open-file dialog with `filter` in Qt's form ("Text (*.txt *.csv)");
    // the chosen file's full path, or "" when cancelled.
    virtual QString openFile(const QString& filter) = 0;
    // An input box with a prompt, a title and a default text; the text typed,
    // or "" when cancelled.
    virtual QString inputText(const QString& prompt, const QString& title, const QString& defaultText) = 0;

    // ---- The toolbar's dialogs: the open and the save dialog, the colour
    // dialog and the printer dialog keep their settings (folder, custom
    // colours, printer) from one use to the next. ----

    // The open dialog with `filters` in Qt's form, showing filter
    // `filterIndex` (1-based) first, its name box empty.
    virtual FileChoice openFileOfType(const QStringList& filters, int filterIndex) = 0;
    // The save dialog likewise; a name typed without an extension gets the
    // shown filter's (`typedFileChoice`), and the dialog asks before the
    // file of that name is replaced.
    virtual FileChoice saveFileOfType(const QStringList& filters, int filterIndex) = 0;
    // The colour dialog opened on `initial`, its custom colours shown; the
    // colour chosen, nothing when cancelled.
    virtual std::optional<PackedColor> chooseColor(PackedColor initial) = 0;
    // The print selection ("Select Views for Print Out"), every box clear at
    // first; the views picked, nothing when cancelled (also by its frame).
    virtual std::optional<PrintSelection> selectPrintViews() = 0;
    // The printer dialog on `printer`, which keeps the choices; false when
    // cancelled.
    virtual bool setUpPrinter(QPrinter& printer) = 0;
};

}  // namespace ferlo
