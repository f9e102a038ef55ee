#include "editor/panels/panel_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace ferlo {

namespace {
constexpr int kMargin = 8;  // left of a row
constexpr int kCaptionWidth = 64;
// The box ends 6 pixels short of its frame's right edge.
constexpr int kBoxWidth = kRowFrameWidth - kMargin - kCaptionWidth - 6;
constexpr int kBoxHeight = kRowHeight - 2;
}  // namespace

QLineEdit* addBoxRow(QWidget* parent, const QString& name, const QString& caption, int y) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(kMargin, y, kCaptionWidth, kBoxHeight);
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(kMargin + kCaptionWidth, y, kBoxWidth, kBoxHeight);
    label->setBuddy(box);
    return box;
}

void IndexControls::show(int count, int current) {
    const QSignalBlocker quiet(scroll);
    scroll->setMaximum(count);
    scroll->setValue(current);
    label->setText(QString::number(current));
}

IndexControls addIndexControls(QWidget* parent, const char* scrollName, const char* labelName,
                               const char* plusName, const char* minusName, int y) {
    IndexControls c;
    c.scroll = new QScrollBar(Qt::Horizontal, parent);
    c.scroll->setObjectName(scrollName);
    c.scroll->setRange(1, 1);
    c.scroll->setPageStep(1);
    c.scroll->setValue(1);
    c.scroll->setGeometry(kMargin, y, kCaptionWidth + kBoxWidth, 18);
    c.label = new QLabel(QStringLiteral("1"), parent);
    c.label->setObjectName(labelName);
    c.label->setAlignment(Qt::AlignCenter);
    c.label->setGeometry(kMargin + 44, y + 24, 50, 24);
    c.minus = new QPushButton(QStringLiteral("-"), parent);
    c.minus->setObjectName(minusName);
    c.minus->setGeometry(kMargin, y + 24, 40, 24);
    c.plus = new QPushButton(QStringLiteral("+"), parent);
    c.plus->setObjectName(plusName);
    c.plus->setGeometry(kMargin + 98, y + 24, 40, 24);
    return c;
}

}  // namespace ferlo
