#include "editor/commands/print_select.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace ferlo {

namespace {

constexpr int kPictureSize = 48;

// A small line picture of a printed view, on a 48-pixel square.
QPixmap viewPicture(PrintJob job) {
    QPixmap picture(kPictureSize, kPictureSize);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    switch (job) {
    case PrintJob::Side: {  // profile, nose left, fin at the tail, the wing's section
        QPainterPath body;
        body.moveTo(4, 26);
        body.cubicTo(8, 18, 20, 18, 30, 22);
        body.lineTo(44, 24);
        body.lineTo(44, 27);
        body.cubicTo(30, 32, 10, 33, 4, 26);
        p.drawPath(body);
        p.drawPolygon(QPolygonF({{36, 22.5}, {42, 10}, {45, 10}, {44, 24}}));
        p.drawEllipse(QRectF(14, 22, 12, 4));
        break;
    }
    case PrintJob::HTop:  // the fuselage's plan along its axis
        p.drawEllipse(QRectF(4, 18, 40, 12));
        p.drawLine(QPointF(4, 24), QPointF(44, 24));
        break;
    case PrintJob::Sections:  // one cross-section on the centre lines
        p.drawEllipse(QRectF(12, 10, 24, 28));
        p.setPen(QPen(Qt::black, 0.8, Qt::DashLine));
        p.drawLine(QPointF(24, 4), QPointF(24, 44));
        p.drawLine(QPointF(4, 24), QPointF(44, 24));
        break;
    case PrintJob::Plan:  // wing, fuselage and stabiliser from above
        p.drawRect(QRectF(4, 14, 40, 8));
        p.drawRect(QRectF(22, 6, 4, 38));
        p.drawRect(QRectF(14, 36, 20, 5));
        break;
    case PrintJob::Front:  // wing with dihedral, fuselage and fin from ahead
        p.drawLine(QPointF(4, 22), QPointF(20, 28));
        p.drawLine(QPointF(28, 28), QPointF(44, 22));
        p.drawEllipse(QRectF(19, 23, 10, 10));
        p.drawLine(QPointF(24, 23), QPointF(24, 8));
        break;
    }
    return picture;
}

QCheckBox* viewBox(QWidget* parent, const char* name, PrintJob job, const char* tooltip) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setIcon(QIcon(viewPicture(job)));
    box->setIconSize(QSize(kPictureSize, kPictureSize));
    box->setToolTip(QString::fromLatin1(tooltip));
    return box;
}

}  // namespace

PrintSelect::PrintSelect(QWidget* parent)
    : QDialog(parent),
      CheckSide(viewBox(this, "CheckSide", PrintJob::Side, "Side view, full size")),
      CheckHtop(viewBox(this, "CheckHtop", PrintJob::HTop, "Fuselage top view, full size")),
      CheckSections(viewBox(this, "CheckSections", PrintJob::Sections, "Fuselage cross-sections, full size")),
      CheckVtop(viewBox(this, "CheckVtop", PrintJob::Plan, "Top view, page width")),
      CheckFront(viewBox(this, "CheckFront", PrintJob::Front, "Front view, page width")),
      PrintCommand(new QPushButton(QStringLiteral("Print"), this)),
      CancelCommand(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName("PrintSelect");
    setWindowTitle(QStringLiteral("Select Views for Print Out"));
    PrintCommand->setObjectName("PrintCommand");
    CancelCommand->setObjectName("CancelCommand");
    PrintCommand->setDefault(true);

    auto* boxes = new QHBoxLayout;
    for (QCheckBox* box : {CheckSide, CheckHtop, CheckSections, CheckVtop, CheckFront}) boxes->addWidget(box);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PrintCommand);
    buttons->addWidget(CancelCommand);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);

    connect(PrintCommand, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);
}

PrintSelection PrintSelect::selection() const {
    return {CheckSide->isChecked(), CheckHtop->isChecked(), CheckSections->isChecked(), CheckVtop->isChecked(),
            CheckFront->isChecked()};
}

}  // namespace ferlo
