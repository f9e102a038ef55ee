#include "editor/field_table.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "base/number_text.h"
#include "document/plane.h"
#include "editor/failure_rule.h"
#include "editor/length_text.h"

namespace ferlo {

FieldTable::FieldTable(Editor& main, std::vector<Field> fields) : main_(main), fields_(std::move(fields)) {
    for (const Field& field : fields_) {
        const auto run = [this, &field] { commit(field); };
        connections_.push_back(QObject::connect(field.box, &QLineEdit::textEdited, field.box, run));
        connections_.push_back(QObject::connect(field.box, &QLineEdit::returnPressed, field.box, run));
        connections_.push_back(QObject::connect(field.box, &QLineEdit::editingFinished, field.box,
                                                [this, &field] { skipOnFailure([&] { show(field); }); }));
    }
}

FieldTable::~FieldTable() {
    for (const QMetaObject::Connection& connection : connections_) QObject::disconnect(connection);
}

QString FieldTable::textOf(const Field& field) const {
    const double value = field.get();
    if (field.form == FieldForm::Length) return Formatter(value, main_.plane().units);
    return QString::fromStdString(formatNumber(value));
}

namespace {

// A box whose text set nothing has a red frame and says why in its tooltip;
// an empty `refusal` takes both away.
void markRefusal(QLineEdit* box, const QString& refusal) {
    if (box->toolTip() == refusal) return;
    box->setToolTip(refusal);
    box->setStyleSheet(refusal.isEmpty() ? QString() : QStringLiteral("QLineEdit { border: 2px solid #d00000; }"));
}

}  // namespace

void FieldTable::fill() {
    for (const Field& field : fields_) {
        if (field.box == committing_) continue;
        // A box whose part cannot be read keeps its text; the others fill.
        skipOnFailure([&] { show(field); });
    }
}

void FieldTable::show(const Field& field) {
    const QString text = textOf(field);
    markRefusal(field.box, QString());
    if (field.box->text() == text) return;
    const QSignalBlocker quiet(field.box);
    field.box->setText(text);
}

void FieldTable::commit(const Field& field) {
    LeadingNumber number = leadingNumberOf(field.box->text());
    if (number.value && field.refusal) number.refusal = field.refusal(*number.value);
    markRefusal(field.box, number.refusal);
    if (!number.refusal.isEmpty()) return;
    committing_ = field.box;
    main_.edit([&] {
        field.set(*number.value);
        return Effects::Edited | field.after;
    });
    committing_ = nullptr;
}

}  // namespace ferlo
