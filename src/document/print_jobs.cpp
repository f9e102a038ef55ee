#include "document/print_jobs.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "base/file_errors.h"
#include "document/view_printing.h"

namespace ferlo {

namespace {

// A canvas that draws nothing and measures how far along x the lines drawn
// on it reach.
class ReachCanvas : public Canvas {
public:
    ReachCanvas(double width, double height) : width_(width), height_(height) {}

    double first = std::numeric_limits<double>::infinity();
    double last = -std::numeric_limits<double>::infinity();

    void setCurrentPoint(double x, double) override { current_ = x; }
    void lineTo(double x, double, PaletteColor) override { reach(current_, x); }
    void line(double x1, double, double x2, double, PaletteColor) override { reach(x1, x2); }
    void clear() override {}
    double width() const override { return width_; }
    double height() const override { return height_; }

private:
    void reach(double x1, double x2) {
        for (double x : {x1, x2}) {
            if (!std::isfinite(x)) continue;
            first = std::min(first, x);
            last = std::max(last, x);
        }
        current_ = x2;
    }

    double width_, height_;
    double current_ = 0;
};

// A full-size plan along the axis, tiled over pages: `printPage(canvas,
// xoff)` draws it with the axis origin at `xoff`. The tiles run from the
// origin, or from the first point drawn when it lies ahead of the origin,
// to the last point drawn; every page but the last is ended.
template <typename PrintPage>
void printTiles(PageCanvas& page, PrintPage printPage) {
    const double w = page.width();
    ReachCanvas reach(w, page.height());
    printPage(reach, 0.0);
    const double start = std::min(0.0, reach.first);
    const int pages = tiledPageCount(start, reach.last, w);
    for (int p = 1; p <= pages; ++p) {
        if (p > 1) page.newPage();
        printPage(page, -(start + (p - 1) * w));
    }
}

// A panel's Side outline printed from a copy, so the screen points the
// drawing area keeps are left as they are.
void printPanelSide(SymWingSections panel, Canvas& canvas, const ViewTransform& transform) {
    panel.computeSidePoints(transform);
    panel.printSide(canvas);
}

void printSide(const Plane& plane, PageCanvas& page) {
    const MeshSections& fuselage = plane.fuselages.current();
    const double yoff = page.height() + fuselage.minElevationPoint();
    printTiles(page, [&](Canvas& canvas, double xoff) {
        const ViewTransform transform{1, xoff, yoff};
        fuselage.printSide(canvas, transform);
        printPanelSide(plane.mainWing.wing(1), canvas, transform);
        printPanelSide(plane.stab, canvas, transform);
        plane.fin.printSide(canvas, transform);
    });
}

void printHTop(const Plane& plane, PageCanvas& page) {
    const MeshSections& fuselage = plane.fuselages.current();
    const double yoff = page.height() / 2;
    printTiles(page, [&](Canvas& canvas, double xoff) { fuselage.printHTop(canvas, {1, xoff, yoff}); });
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
    case PrintJob::Side: printSide(plane, page); break;
    case PrintJob::Sections: printSections(plane, page); break;
    case PrintJob::Plan: printVTopView(plane, page, screen.plan, pageRatio(page, screen)); break;
    case PrintJob::Front: printFrontView(plane, page, screen.front, pageRatio(page, screen)); break;
    case PrintJob::HTop: printHTop(plane, page); break;
    }
}

}  // namespace

int tiledPageCount(double start, double end, double pageWidth) {
    if (!(pageWidth > 0) || !std::isfinite(pageWidth)) throw WriteError("the printer's page has no printable width");
    const double pages = std::floor((end - start) / pageWidth) + 1;
    // A fuselage without sections has no extent: its page shows the rest.
    if (!(pages >= 1)) return 1;
    if (pages > kMaxTiledPages) {
        throw std::length_error("the view would take more than " + std::to_string(kMaxTiledPages) + " pages");
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
