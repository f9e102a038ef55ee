#include "editor/commands/printer_canvas.h"

#include <string>
#include <vector>

#include <QPrinter>
#include <QString>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "document/view_printing.h"
#include "support/default_plane.h"
#include "support/pdf_contents.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

using testing::PdfContents;
using testing::Stroke;
using testing::strokes;

struct PdfPrinter {
    testing::TempDir dir;
    std::string path = (dir.path() / "views.pdf").string();
    QPrinter printer{QPrinter::HighResolution};

    PdfPrinter() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
    }
};

TEST(PrinterCanvas, PrintsTheVTopAndFrontViewsToAPdfFile) {
    Plane plane;
    testing::setUpDefaultPlane(plane, 1);
    ViewState screen;  // a drawing area 640 pixels wide
    screen.zoom = 0.3;
    screen.xoff = 320;
    screen.yoff = 100;

    PdfPrinter pdf;
    double r = 0;
    {
        PrinterCanvas canvas(pdf.printer, LengthUnit::Millimeters);
        r = canvas.width() / 640;
        printVTopView(plane, canvas, screen, r);
        canvas.newPage();
        printFrontView(plane, canvas, screen, r);
    }
    const PdfContents contents(testing::TempDir::read(pdf.path));
    EXPECT_EQ(contents.pages, 2);
    ASSERT_EQ(contents.contentStreams.size(), 2u);

    // VTop: two wing panels and the stabiliser, eight lines each, in
    // millimetres from the printable area's corner, the origin where the
    // screen has it, scaled: panel 1's root leading corner lies on the
    // scaled centre, 180 mm aft scaled by the zoom and r. Then the
    // fuselage's plan, six lines from its front section line, 20 mm wide at
    // the origin.
    const std::vector<Stroke> vtop = strokes(contents.contentStreams[0]);
    ASSERT_EQ(vtop.size(), 24u + 6u);
    EXPECT_NEAR(vtop[0].x1, 320 * r, 1e-4);
    EXPECT_NEAR(vtop[0].y1, (100 + 180 * 0.3) * r, 1e-4);
    EXPECT_NEAR(vtop[0].x2, (320 + 700 * 0.3) * r, 1e-4);
    EXPECT_NEAR(vtop[24].x1, (320 - 10 * 0.3) * r, 1e-4);
    EXPECT_NEAR(vtop[24].x2, (320 + 10 * 0.3) * r, 1e-4);
    EXPECT_NEAR(vtop[24].y1, 100 * r, 1e-4);
    EXPECT_NEAR(vtop[24].y2, 100 * r, 1e-4);

    // Front: the fuselage's three sections, eight lines each, the first from
    // the right end of its widest line, 10 mm out and 20 mm up; eight lines
    // and the centre line for each of the three panels, then the fin's four
    // lines: its root edge 15 mm wide, 30 mm up.
    const std::vector<Stroke> front = strokes(contents.contentStreams[1]);
    ASSERT_EQ(front.size(), 24u + 27u + 4u);
    EXPECT_NEAR(front[0].x1, (320 + 10 * 0.3) * r, 1e-4);
    EXPECT_NEAR(front[0].y1, (100 - 20 * 0.3) * r, 1e-4);
    const Stroke& centre = front[24 + 8];
    EXPECT_NEAR(centre.x1, 320 * r, 1e-4);
    EXPECT_NEAR(centre.y1, 0, 1e-4);
    EXPECT_NEAR(centre.y2, 200 * r, 1e-4);
    const Stroke& finRoot = front[24 + 27];
    EXPECT_NEAR(finRoot.x1, (320 - 7.5 * 0.3) * r, 1e-4);
    EXPECT_NEAR(finRoot.x2, (320 + 7.5 * 0.3) * r, 1e-4);
    EXPECT_NEAR(finRoot.y1, (100 - 30 * 0.3) * r, 1e-4);
    EXPECT_NEAR(finRoot.y2, (100 - 30 * 0.3) * r, 1e-4);
}

void expectStroke(const Stroke& s, const Stroke& expected, const char* what) {
    EXPECT_NEAR(s.x1, expected.x1, 1e-4) << what;
    EXPECT_NEAR(s.y1, expected.y1, 1e-4) << what;
    EXPECT_NEAR(s.x2, expected.x2, 1e-4) << what;
    EXPECT_NEAR(s.y2, expected.y2, 1e-4) << what;
}

// The default fuselage's Side and HTop printouts at 0.2 millimetres a
// millimetre: its sections (height, width, position, bottom) (20, 20, 0, 10),
// (100, 100, 200, 10) and (10, 10, 800, 30) stand at x 10, 50 and 170 mm.
TEST(PrinterCanvas, PrintsTheFuselagesSideAndHTopViewsToAPdfFile) {
    const MeshSections fuselage;
    PdfPrinter pdf;
    double pageWidth = 0;
    {
        PrinterCanvas canvas(pdf.printer, LengthUnit::Millimeters);
        pageWidth = canvas.width();
        fuselage.printSide(canvas, {0.2, 10, 50});
        canvas.newPage();
        fuselage.printHTop(canvas, {0.2, 10, 100});
    }
    const PdfContents contents(testing::TempDir::read(pdf.path));
    EXPECT_EQ(contents.pages, 2);
    ASSERT_EQ(contents.contentStreams.size(), 2u);

    // Side, heights up from 50 mm: the top line, the bottom line, then each
    // section from its bottom to its top.
    const std::vector<Stroke> side = strokes(contents.contentStreams[0]);
    ASSERT_EQ(side.size(), 7u);
    expectStroke(side[0], {10, 44, 50, 28}, "top, first segment");
    expectStroke(side[3], {50, 48, 170, 44}, "bottom, second segment");
    expectStroke(side[5], {50, 48, 50, 28}, "section 2");

    // HTop, centred on 100 mm: the first side line below the axis, the second
    // above, the section lines, then the axis across the printable width.
    const std::vector<Stroke> htop = strokes(contents.contentStreams[1]);
    ASSERT_EQ(htop.size(), 8u);
    expectStroke(htop[0], {10, 102, 50, 110}, "first side");
    expectStroke(htop[3], {50, 90, 170, 99}, "second side");
    expectStroke(htop[5], {50, 110, 50, 90}, "section 2");
    expectStroke(htop[7], {0, 100, pageWidth, 100}, "axis");
}

TEST(PrinterCanvas, ScaleUnitIsMillimetresOrInches) {
    PdfPrinter pdf;
    double widthMillimeters = 0;
    {
        PrinterCanvas canvas(pdf.printer, LengthUnit::Millimeters);
        widthMillimeters = canvas.width();
        // Some 200 millimetres of an A4 or Letter page are printable.
        EXPECT_GT(widthMillimeters, 180);
        EXPECT_LT(widthMillimeters, 216);
        EXPECT_GT(canvas.height(), widthMillimeters);
    }
    PdfPrinter inchPdf;
    PrinterCanvas canvas(inchPdf.printer, LengthUnit::Inches);
    EXPECT_NEAR(canvas.width(), widthMillimeters / 25.4, 1e-9);
    canvas.line(1, 1, 2, 2, kBlack);
    canvas.endDocument();
    const PdfContents contents(testing::TempDir::read(inchPdf.path));
    ASSERT_EQ(contents.contentStreams.size(), 1u);
    const std::vector<Stroke> lines = strokes(contents.contentStreams[0]);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0].x1, 1, 1e-6);
    EXPECT_NEAR(lines[0].y2, 2, 1e-6);
}

TEST(PrinterCanvas, AnUnwritableFileIsReported) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/nonexistent-folder/views.pdf");
    EXPECT_THROW(PrinterCanvas(printer, LengthUnit::Millimeters), WriteError);
}

}  // namespace
}  // namespace ferlo
