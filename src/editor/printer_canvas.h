#pragma once

#include <QPainter>
#include <QPointF>

#include "base/page_canvas.h"
#include "base/units.h"

class QPrinter;

namespace ferlo {

// A canvas on a printer whose scale unit is the model's length unit
// (millimetres or inches): coordinates run from the top-left corner of the
// printable area, so a zoom of 1 prints at full size. Painting begins when
// the canvas is made; every page but the last is ended with `newPage`, and
// the document ends with `endDocument` or when the canvas goes.
class PrinterCanvas : public PageCanvas {
public:
    // Throws WriteError when the printer cannot begin (for a PDF printer:
    // the file cannot be written).
    PrinterCanvas(QPrinter& printer, LengthUnit unit);
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    void setCurrentPoint(double x, double y) override;
    void lineTo(double x, double y, PaletteColor color) override;
    void line(double x1, double y1, double x2, double y2, PaletteColor color) override;
    // Paper cannot be cleared: nothing happens.
    void clear() override {}
    // The printable width and height in the scale unit.
    double width() const override;
    double height() const override;

    // Ends the page; the next line goes onto a new one. Throws WriteError when
    // the printer refuses.
    void newPage() override;
    // Ends the document; nothing more can be drawn.
    void endDocument() override;

private:
    QPrinter& printer_;
    QPainter painter_;
    double devicePerUnit_;  // device pixels per scale unit
    double lineWidth_;      // in the scale unit
    QPointF current_;
};

}  // namespace ferlo
