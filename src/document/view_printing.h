#pragma once

#include "base/canvas.h"
#include "base/view_state.h"
#include "document/plane.h"

namespace ferlo {

// The VTop and Front views as they stand on the screen (`screen`), scaled by
// `r`, the printer's page width over the drawing area's width, onto a printer
// whose scale unit is the model's length unit. The plan has the model origin
// on the top edge of the page and shows no fin: the main-wing panels, the
// stabiliser and every fuselage, shown or hidden. The Front view keeps the
// screen's origin, scaled: every section of every fuselage in the inactive
// colour, the main-wing panels and the stabiliser, each with the centre line,
// then the fin (and its twin).
void printVTopView(const Plane& plane, Canvas& printer, const ViewTransform& screen, double r);
void printFrontView(const Plane& plane, Canvas& printer, const ViewTransform& screen, double r);

}  // namespace ferlo
