#include "editor/commands/printer_canvas.h"

#include <QPen>
#include <QPrinter>

#include "base/file_errors.h"
#include "editor/drawing/qt_palette.h"

namespace ferlo {

namespace {

// Lines a quarter of a millimetre wide, whatever the scale unit.
constexpr double kLineWidthMillimeters = 0.25;

double unitsPerInch(LengthUnit unit) { return unit == LengthUnit::Inches ? 1.0 : kMillimetersPerInch; }

}  // namespace

PrinterCanvas::PrinterCanvas(QPrinter& printer, LengthUnit unit)
    : printer_(printer),
      devicePerUnit_(printer.resolution() / unitsPerInch(unit)),
      lineWidth_(kLineWidthMillimeters * unitsPerInch(unit) / kMillimetersPerInch) {
    if (!painter_.begin(&printer_)) throw WriteError("the printer could not begin the document");
    painter_.scale(devicePerUnit_, devicePerUnit_);
}

PrinterCanvas::~PrinterCanvas() {
    if (painter_.isActive()) painter_.end();
}

void PrinterCanvas::setCurrentPoint(double x, double y) { current_ = QPointF(x, y); }

void PrinterCanvas::lineTo(double x, double y, PaletteColor color) { line(current_.x(), current_.y(), x, y, color); }

void PrinterCanvas::line(double x1, double y1, double x2, double y2, PaletteColor color) {
    const QPointF to(x2, y2);
    if (painter_.isActive()) {
        painter_.setPen(QPen(qtColor(color), lineWidth_));
        painter_.drawLine(QPointF(x1, y1), to);
    }
    current_ = to;
}

double PrinterCanvas::width() const { return printer_.width() / devicePerUnit_; }

double PrinterCanvas::height() const { return printer_.height() / devicePerUnit_; }

void PrinterCanvas::newPage() {
    if (!printer_.newPage()) throw WriteError("the printer could not begin a new page");
}

void PrinterCanvas::endDocument() {
    if (painter_.isActive() && !painter_.end()) throw WriteError("the printer could not end the document");
}

}  // namespace ferlo
