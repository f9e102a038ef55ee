#pragma once

#include <QString>

namespace ferlo {

// The questions, messages and dialogs the editor puts to the user, behind one
// interface: QtUserDialogs shows real boxes, tests script the answers.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A Yes/No question with a warning icon and No as the default; true for Yes.
    virtual bool question(const QString& text) = 0;
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
};

}  // namespace ferlo
