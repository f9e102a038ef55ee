#pragma once

#include <memory>

#include "base/page_canvas.h"
#include "base/view_transform.h"
#include "document/plane.h"

namespace ferlo {

// The views picked for printing (`PrintSelect`'s flags).
struct PrintSelection {
    bool Side = false;           // the side view, full size, tiled
    bool htop = false;           // the fuselage top view, full size, tiled
    bool frontSections = false;  // the current fuselage's cross-sections, one per page
    bool vtop = false;           // the plan, as on the screen, fitted to the page width
    bool front = false;          // the front view, as on the screen, fitted to the page width
};

// The print jobs, in the order they print.
enum class PrintJob { Side, Sections, Plan, Front, HTop };

// Where the jobs print: every job is a document of its own.
class PrintDocuments {
public:
    virtual ~PrintDocuments() = default;
    // A new document for `job`, in the model's length unit, so that a zoom
    // of 1 prints at full size. Throws WriteError when it cannot begin.
    virtual std::unique_ptr<PageCanvas> beginDocument(PrintJob job) = 0;
};

// The screen that the plan and front pages show, scaled by the page width
// over the drawing area's `width` (pixels): the transform of each of the two
// views as the drawing area shows it (fitted, or at the locked zoom).
struct PrintScreen {
    ViewTransform plan;
    ViewTransform front;
    double width = 0;
};

// A tiled printout (Side, HTop) gets no more pages than this; a longer one
// is refused before anything prints.
inline constexpr int kMaxTiledPages = 1000;

// The pages of a tiled printout of the stretch from `start` to `end` along
// the axis on pages `pageWidth` wide: one page more than the whole pages in
// it, so an exact multiple still gets the extra page; at least 1. Throws
// WriteError for a page without width and std::length_error above
// kMaxTiledPages.
int tiledPageCount(double start, double end, double pageWidth);

// Prints the picked views, each as its own document, in the order Side,
// cross-sections, plan, front, fuselage top:
//   Side      the current fuselage, wing panel 1, the stabiliser and the fin
//             at full size, the fuselage's lowest point on the bottom edge,
//             tiled along the axis over all of them: from the origin (or
//             from the first point when one lies ahead of it) to the last
//             point, a fin reaching past the fuselage included;
//   Sections  each cross-section of the current fuselage at full size on a
//             page of its own, on the page's centre lines: centred on the
//             vertical one (a pair's lateral offset left out, one outline a
//             page), the fuselage's middle height on the horizontal one;
//   Plan      the VTop view as `screen` shows it, scaled to the page width;
//   Front     the Front view likewise, every fuselage's sections included;
//   HTop      the current fuselage's plan at full size, centred on the
//             page's height, tiled like Side over the fuselage.
// The first failure ends the printing (a document already ended stays
// printed) and is thrown. The aircraft is not changed: the current fuselage
// stays.
void printViews(const Plane& plane, const PrintSelection& selection, const PrintScreen& screen,
                PrintDocuments& documents);

}  // namespace ferlo
