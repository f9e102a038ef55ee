#pragma once

#include <cstdint>
#include <span>

#include "base/view_state.h"
#include "document/plane.h"

namespace ferlo {

// The least and the greatest value of `values`, however far from 0;
// infinity (minus infinity) for an empty list.
double minOf(std::span<const double> values);
double maxOf(std::span<const double> values);

// Zoom-to-fit of the 2D views: sets `view.zoom`, `view.xoff` and `view.yoff`
// so that what the view shows fills 95 % of the drawing area (`width` by
// `height` pixels) in the tighter direction and lies in its middle. The
// extent is taken from the current fuselage (its extents functions) and the
// lifting surfaces' geometry; no box is taken. Screen x = value zoom + xoff;
// screen y = yoff + value zoom along the VTop plan's axis (aft down), and
// yoff - value zoom for the heights of Front and Side and the negated lateral
// coordinate of HTop.
//
// A direction whose extent or drawing-area size is not positive does not
// limit the zoom; when neither does, the view keeps its zoom (1 when that is
// not a positive, finite number). The transform is always finite with a
// positive zoom. An invalid `currentFuselage` throws std::out_of_range before
// anything changes.
//
// VTop: the span of the widest main-wing panel or the stabiliser, both sides
// of the axis; along the axis the fuselage and the panels' and the
// stabiliser's leading edges (the stabiliser's root trailing edge included).
void fitVTop(const Plane& plane, std::int16_t width, std::int16_t height, ViewState& view);
// Front: the same span; the heights of the fuselage, the panels' root and tip
// thicknesses, the stabiliser's tip and the fin.
void fitFront(const Plane& plane, std::int16_t width, std::int16_t height, ViewState& view);
// Side: the current fuselage alone, or, while the fin's parameter tab is
// open, the fuselage, the panels, the stabiliser and the fin. With
// `focusZoom` set it zooms on the current fuselage's selected section
// instead (90 % of the height, centred) and clears `focusZoom`.
void fitSide(const Plane& plane, std::int16_t width, std::int16_t height, bool finTabOpen, bool& focusZoom,
             ViewState& view);
// HTop: the current fuselage's length and greatest width around its `shift`;
// with `focusZoom` set the selected section's width, as in fitSide.
void fitHTop(const Plane& plane, std::int16_t width, std::int16_t height, bool& focusZoom, ViewState& view);

}  // namespace ferlo
