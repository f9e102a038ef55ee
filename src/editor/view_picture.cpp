#include "editor/view_picture.h"

#include "document/view_drawing.h"

namespace ferlo {

void drawViewPicture(QImageCanvas& canvas, Plane& plane, ViewKind mode, const ViewContext& ctx,
                     bool equipmentTabOpen, const std::optional<DragParts>& drag) {
    if (!drag) {
        drawView(plane, mode, ctx, equipmentTabOpen);
        return;
    }
    canvas.beginDragPicture();
    drawView(plane, mode, ctx, equipmentTabOpen, drag->below);
    canvas.drawInto(QImageCanvas::Layer::Moving);
    drawView(plane, mode, ctx, equipmentTabOpen, drag->grabbed);
    canvas.drawInto(QImageCanvas::Layer::Above);
    drawView(plane, mode, ctx, equipmentTabOpen, drag->above);
    canvas.drawInto(QImageCanvas::Layer::Moving);
}

}  // namespace ferlo
