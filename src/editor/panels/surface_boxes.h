#pragma once

#include <functional>

#include <QString>

#include "editor/panels/field_table.h"

class QLineEdit;
class QWidget;

namespace ferlo {

// The boxes a lifting surface's tab shares: chord, position, elevation and
// thickness at the root (group "Root", names with B) and at the tip (group
// "Tip", names with E), then the span and the shift. `infix` tells the tabs'
// names apart: "LengthB" + infix + "Text" ("LengthBStabText").
struct SurfaceBoxes {
    QLineEdit* LengthB = nullptr;
    QLineEdit* PosB = nullptr;
    QLineEdit* ElevationB = nullptr;  // none on the fin
    QLineEdit* ThicknessB = nullptr;
    QLineEdit* LengthE = nullptr;
    QLineEdit* PosE = nullptr;
    QLineEdit* ElevationE = nullptr;  // none on the fin
    QLineEdit* ThicknessE = nullptr;
    QLineEdit* Span = nullptr;
    QLineEdit* Shift = nullptr;
    // The height below the boxes, where a tab places what else it has.
    int bottom = 0;
};

SurfaceBoxes addSurfaceBoxes(QWidget* page, const QString& infix, bool withElevations);

// The span box of a surface with two halves: it shows the overall span
// 2 x (span + shift) and takes one, setting span := typed / 2 - shift with
// the shift the shift box shows, typed or not (the part's own when the
// shift box shows no number).
Field overallSpanField(const SurfaceBoxes& boxes, std::function<double()> span, std::function<double()> shift,
                       std::function<void(double)> setSpan);

}  // namespace ferlo
