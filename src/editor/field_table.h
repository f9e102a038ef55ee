#pragma once

#include <functional>
#include <vector>

#include <QMetaObject>
#include <QString>

class QLineEdit;

namespace ferlo {

class MainWindow;

// How a box shows its field: a length through `Formatter` in the model's
// unit, or a plain ratio as the shortest exact number text.
enum class FieldForm { Length, Plain };

// One numeric box of a parameter tab and the field it edits.
struct Field {
    QLineEdit* box = nullptr;
    std::function<double()> get;
    std::function<void(double)> set;
    FieldForm form = FieldForm::Length;
    // What follows a commit after the drawing area's refresh (a refill of
    // the tab, say); nothing when empty.
    std::function<void()> afterCommit{};
};

// The numeric boxes of one parameter tab as one table. A box commits the
// text it shows after every edit the user makes and on Enter, so the part
// always holds what its box shows: the number the text starts with is set,
// the project marked unsaved and the drawing area refreshed. A text that
// does not start with a number (an emptied box too) commits nothing.
// Filling writes every box from its getter and never writes to the model;
// a fill that a box's own commit causes leaves that box as the user typed it.
class FieldTable {
public:
    FieldTable(MainWindow& main, std::vector<Field> fields);
    ~FieldTable();
    FieldTable(const FieldTable&) = delete;
    FieldTable& operator=(const FieldTable&) = delete;

    void fill();
    // The text `field` shows for its part's value now.
    QString textOf(const Field& field) const;

private:
    void commit(const Field& field);

    MainWindow& main_;
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
