#pragma once

#include "editor/user_dialogs.h"

namespace ferlo {

// The dialogs as Qt boxes over the active window (Qt's own dialogs, not the
// desktop's, so they look and behave the same everywhere).
class QtUserDialogs : public UserDialogs {
public:
    bool question(const QString& text) override;
    void information(const QString& title, const QString& text) override;
    void warning(const QString& text) override;
    QString openFile(const QString& filter) override;
    QString inputText(const QString& prompt, const QString& title, const QString& defaultText) override;
};

}  // namespace ferlo
