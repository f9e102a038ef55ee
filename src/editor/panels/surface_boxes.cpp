#include "editor/panels/surface_boxes.h"

#include <QGroupBox>
#include <QLineEdit>

#include "editor/panels/length_text.h"
#include "editor/panels/panel_widgets.h"

namespace ferlo {

namespace {

// The chord, position, elevation and thickness rows of the root or the tip.
QGroupBox* addEndGroup(QWidget* page, const QString& title, const QString& end, const QString& infix,
                       bool withElevations, int y, QLineEdit*& length, QLineEdit*& pos, QLineEdit*& elevation,
                       QLineEdit*& thickness) {
    auto* group = new QGroupBox(title, page);
    const auto name = [&](const char* field) { return QString::fromLatin1(field) + end + infix + "Text"; };
    int row = kFirstRowUnderTitle;
    const auto next = [&] { return std::exchange(row, row + kRowHeight); };
    length = addBoxRow(group, name("Length"), QStringLiteral("Chord"), next());
    pos = addBoxRow(group, name("Pos"), QStringLiteral("Position"), next());
    if (withElevations) elevation = addBoxRow(group, name("Elevation"), QStringLiteral("Elevation"), next());
    thickness = addBoxRow(group, name("Thickness"), QStringLiteral("Thickness"), next());
    group->setGeometry(0, y, kRowFrameWidth, row + 4);
    return group;
}

}  // namespace

SurfaceBoxes addSurfaceBoxes(QWidget* page, const QString& infix, bool withElevations) {
    SurfaceBoxes b;
    const QGroupBox* root = addEndGroup(page, QStringLiteral("Root"), QStringLiteral("B"), infix, withElevations, 0,
                                        b.LengthB, b.PosB, b.ElevationB, b.ThicknessB);
    const QGroupBox* tip = addEndGroup(page, QStringLiteral("Tip"), QStringLiteral("E"), infix, withElevations,
                                       root->geometry().bottom() + 4, b.LengthE, b.PosE, b.ElevationE, b.ThicknessE);
    const int y = tip->geometry().bottom() + 4;
    b.Span = addBoxRow(page, "Span" + infix + "Text", QStringLiteral("Span"), y);
    b.Shift = addBoxRow(page, "Shift" + infix + "Text", QStringLiteral("Shift"), y + kRowHeight);
    b.bottom = y + 2 * kRowHeight;
    return b;
}

Field overallSpanField(const SurfaceBoxes& boxes, std::function<double()> span, std::function<double()> shift,
                       std::function<void(double)> setSpan) {
    return {boxes.Span, [=] { return 2 * (span() + shift()); },
            [=, shiftBox = boxes.Shift](double v) {
                setSpan(v / 2 - readLeadingNumber(shiftBox->text()).value_or(shift()));
            }};
}

}  // namespace ferlo
