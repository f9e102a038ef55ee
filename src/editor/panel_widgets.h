#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace ferlo {

// The controls the parameter tabs share, at fixed places on their pages.

// A caption and a numeric box on one row of `parent`, starting at height `y`.
QLineEdit* addBoxRow(QWidget* parent, const QString& name, const QString& caption, int y);
inline constexpr int kRowHeight = 26;

// The index of a list of parts: a horizontal scroll bar from 1 to the count
// whose position is the current part, a label with its number ("1") and the
// Plus ("+", append a part) and Minus ("-", remove the last) buttons.
struct IndexControls {
    QScrollBar* scroll = nullptr;
    QLabel* label = nullptr;
    QPushButton* plus = nullptr;
    QPushButton* minus = nullptr;

    // Shows `current` of `count` parts without running the scroll bar's
    // handlers.
    void show(int count, int current);
};
// The index controls named `scrollName`, `labelName`, `plusName` and
// `minusName`, on two rows of `parent` from height `y`.
IndexControls addIndexControls(QWidget* parent, const char* scrollName, const char* labelName,
                               const char* plusName, const char* minusName, int y);

}  // namespace ferlo
