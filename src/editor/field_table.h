#pragma once

#include <functional>
#include <vector>

#include <QMetaObject>
#include <QString>

#include "editor/editor.h"

class QLineEdit;

namespace ferlo {

class Editor;

// How a box shows its field: a length through `Formatter` in the model's
// unit, or a plain ratio as the shortest exact number text.
enum class FieldForm { Length, Plain };

// One numeric box of a parameter tab and the field it edits.
struct Field {
    QLineEdit* box = nullptr;
    std::function<double()> get;
    std::function<void(double)> set;
    FieldForm form = FieldForm::Length;
    // What follows a commit besides the mark and the refresh (a refill of
    // the tab, say).
    Effects after = Effects::None;
    // Why the field does not take a value (a count out of its range, say),
    // as the box's tooltip shows it; empty for a value it takes. Nothing
    // when empty: the field takes every value a project file holds.
    std::function<QString(double)> refusal{};
};

// The numeric boxes of one parameter tab as one table. A box commits the
// text it shows after every edit the user makes and on Enter: the number
// the text starts with is set through the edit path: the project marked
// unsaved and the drawing area refreshed. A text that sets nothing (no leading number, a value
// beyond what a project file holds or the field takes) is shown as not
// applied: a red frame, and a tooltip saying why. On Enter and when the
// box loses the focus it shows again what its part holds.
// Filling writes every box from its getter and never writes to the model;
// a fill that a box's own commit causes leaves that box as the user typed it.
class FieldTable {
public:
    FieldTable(Editor& main, std::vector<Field> fields);
    ~FieldTable();
    FieldTable(const FieldTable&) = delete;
    FieldTable& operator=(const FieldTable&) = delete;

    void fill();
    // The text `field` shows for its part's value now.
    QString textOf(const Field& field) const;

private:
    void commit(const Field& field);
    // The box shows its part's value, marked as applied.
    void show(const Field& field);

    Editor& main_;
    std::vector<Field> fields_;
    std::vector<QMetaObject::Connection> connections_;
    const QLineEdit* committing_ = nullptr;
};

}  // namespace ferlo

namespace ferlo {

// A field for the double `member` of the part that `partOf()` returns at
// the time of each read or write (the current box, say).
template <typename PartOf, typename Part>
Field memberField(QLineEdit* box, PartOf partOf, double Part::*member, FieldForm form = FieldForm::Length) {
    return {box, [=] { return partOf().*member; }, [=](double v) { partOf().*member = v; }, form};
}

}  // namespace ferlo
