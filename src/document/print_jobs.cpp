#include "document/print_jobs.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "base/file_errors.h"
#include "document/view_printing.h"

namespace ferlo {

namespace {

// The tiles of the current fuselage along the axis: from the origin, or from
// the fuselage's front end when it lies ahead of the origin, to its rear end.
struct Tiles {
    double start;
    int pages;
};

Tiles tilesOf(const MeshSections& fuselage, double pageWidth) {
    const double start = std::min(0.0, fuselage.startpoint());
    return {start, tiledPageCount(start, fuselage.lengthPoint(), pageWidth)};
}

// Runs `printPage(xoff)` for every tile, with the x offset that puts the
// tile's stretch of the axis on the page, and ends every page but the last.
template <typename PrintPage>
void printTiles(const MeshSections& fuselage, PageCanvas& page, PrintPage printPage) {
    const double w = page.width();
    const Tiles tiles = tilesOf(fuselage, w);
    for (int p = 1; p <= tiles.pages; ++p) {
        if (p > 1) page.newPage();
        printPage(-(tiles.start + (p - 1) * w));
    }
}

// A panel's Side outline printed from a copy, so the screen points the
// drawing area keeps are left as they are.
void printPanelSide(SymWingSections panel, PageCanvas& page, const ViewTransform& transform) {
    panel.computeSidePoints(transform);
    panel.printSide(page);
}

void printSide(const Plane& plane, PageCanvas& page) {
    const MeshSections& fuselage = plane.fuselages.current();
    const double yoff = page.height() + fuselage.minElevationPoint();
    printTiles(fuselage, page, [&](double xoff) {
        const ViewTransform transform{1, xoff, yoff};
        fuselage.printSide(page, transform);
        printPanelSide(plane.mainWing.wing(1), page, transform);
        printPanelSide(plane.stab, page, transform);
        plane.fin.printSide(page, transform);
    });
}

void printHTop(const Plane& plane, PageCanvas& page) {
    const MeshSections& fuselage = plane.fuselages.current();
    const double yoff = page.height() / 2;
    printTiles(fuselage, page, [&](double xoff) { fuselage.printHTop(page, {1, xoff, yoff}); });
}

// Each section is printed from a copy of the fuselage without its lateral
// offset, so that the section, and not a pair's mirror image, stands on the
// vertical centre line.
void printSections(const Plane& plane, PageCanvas& page) {
    MeshSections fuselage = plane.fuselages.current();
    fuselage.shift = 0;
    const double w = page.width();
    const double h = page.height();
    const double middle = (fuselage.maxElevationPoint() + fuselage.minElevationPoint()) / 2;
    for (int i = 1; i <= fuselage.nb_sections; ++i) {
        if (i > 1) page.newPage();
        page.line(w / 2, 0, w / 2, h, kBlack);
        page.line(0, h / 2, w, h / 2, kBlack);
        if (fuselage.nb_cross > 0) fuselage.printFront(page, plane.viewColors(), i, {1, w / 2, h / 2 + middle});
    }
}

// Page width over drawing-area width.
double pageRatio(const PageCanvas& page, const PrintScreen& screen) {
    if (!(screen.width > 0)) throw WriteError("the drawing area has no width to scale the page from");
    return page.width() / screen.width;
}

void printJob(PrintJob job, const Plane& plane, const PrintScreen& screen, PageCanvas& page) {
    switch (job) {
    case PrintJob::Side:
        printSide(plane, page);
        break;
    case PrintJob::Sections:
        printSections(plane, page);
        break;
    case PrintJob::Plan:
        printVTopView(plane, page, screen.plan, pageRatio(page, screen));
        break;
    case PrintJob::Front:
        printFrontView(plane, page, screen.front, pageRatio(page, screen));
        break;
    case PrintJob::HTop:
        printHTop(plane, page);
        break;
    }
}

}  // namespace

int tiledPageCount(double start, double end, double pageWidth) {
    if (!(pageWidth > 0) || !std::isfinite(pageWidth)) throw WriteError("the printer's page has no printable width");
    const double pages = std::floor((end - start) / pageWidth) + 1;
    // A fuselage without sections has no extent: its page shows the rest.
    if (!(pages >= 1)) return 1;
    if (pages > kMaxTiledPages) {
        throw std::length_error("the fuselage is too long to print: it would need more than " +
                                std::to_string(kMaxTiledPages) + " pages");
    }
    return static_cast<int>(pages);
}

void printViews(const Plane& plane, const PrintSelection& selection, const PrintScreen& screen,
                PrintDocuments& documents) {
    const std::pair<bool, PrintJob> jobs[] = {{selection.Side, PrintJob::Side},
                                              {selection.frontSections, PrintJob::Sections},
                                              {selection.vtop, PrintJob::Plan},
                                              {selection.front, PrintJob::Front},
                                              {selection.htop, PrintJob::HTop}};
    for (const auto& [picked, job] : jobs) {
        if (!picked) continue;
        const std::unique_ptr<PageCanvas> page = documents.beginDocument(job);
        printJob(job, plane, screen, *page);
        page->endDocument();
    }
}

}  // namespace ferlo
