#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace ferlo {

// The controls the parameter tabs share, at fixed places on their pages.
// The pages keep one arrangement in both layout modes: it fits the narrower
// column and the lower tabs of small-fonts mode.

// Makes `control`, on a parameter page, paint its background itself (a
// box's corners around its rounded frame, a label's or a scroll bar's
// whole rectangle), once it is shown, in the colour its frame or page shows
// just below the middle of it (the gap between rows): a change of its value
// then repaints the control alone, not the frame, page and tab widget under
// it. That colour must be the one under the whole control.
void fillsItsOwnBackground(QWidget* control);

// A caption and a numeric box on one row of `parent` from height `y`; the
// caption is the box's buddy. Rows follow each other kRowHeight apart.
QLineEdit* addBoxRow(QWidget* parent, const QString& name, const QString& caption, int y);
inline constexpr int kRowHeight = 24;
// A frame (group box) of rows: its width, where its first row starts below
// a title, and its height for `rows` rows from `firstRow`.
inline constexpr int kRowFrameWidth = 152;
inline constexpr int kFirstRowUnderTitle = 20;
constexpr int rowFrameHeight(int rows, int firstRow = kFirstRowUnderTitle) { return firstRow + rows * kRowHeight + 4; }

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
// `minusName`, on two rows of `parent` from height `y`, kIndexHeight high.
IndexControls addIndexControls(QWidget* parent, const char* scrollName, const char* labelName,
                               const char* plusName, const char* minusName, int y);
inline constexpr int kIndexHeight = 48;

}  // namespace ferlo
