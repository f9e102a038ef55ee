#include "editor/drawing/pointer_shapes.h"

#include <QPainter>
#include <QPixmap>

namespace ferlo {

namespace {

constexpr int kIconSize = 32;
constexpr int kArrowHalf = 10;  // from the ring's centre to each tip
constexpr int kHeadSize = 4;

struct IconPlace {
    QPoint hotSpot;
    bool upright;
};

IconPlace placeOf(PointerIcon icon) {
    return icon == PointerIcon::NorthSouth ? IconPlace{{14, 11}, true} : IconPlace{{18, 26}, false};
}

// A point `along` the arrow from its centre and `across` it.
QPointF arrowPoint(const IconPlace& place, double along, double across) {
    const QPointF c = place.hotSpot;
    return place.upright ? c + QPointF(across, along) : c + QPointF(along, across);
}

void drawArrow(QPainter& painter, const IconPlace& place) {
    painter.drawLine(arrowPoint(place, -kArrowHalf, 0), arrowPoint(place, -3, 0));
    painter.drawLine(arrowPoint(place, 3, 0), arrowPoint(place, kArrowHalf, 0));
    for (int tip : {-kArrowHalf, kArrowHalf}) {
        const int back = tip < 0 ? kHeadSize : -kHeadSize;
        painter.drawLine(arrowPoint(place, tip, 0), arrowPoint(place, tip + back, -kHeadSize));
        painter.drawLine(arrowPoint(place, tip, 0), arrowPoint(place, tip + back, kHeadSize));
    }
    painter.drawEllipse(QPointF(place.hotSpot), 3, 3);
}

bool liftingEdge(std::int32_t part) { return part == 4 || part == 0; }

}  // namespace

QImage pointerIconImage(PointerIcon icon) {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const IconPlace place = placeOf(icon);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap));
    drawArrow(painter, place);
    painter.setPen(QPen(Qt::black, 1));
    drawArrow(painter, place);
    return image;
}

QCursor pointerIconCursor(PointerIcon icon) {
    const IconPlace place = placeOf(icon);
    return QCursor(QPixmap::fromImage(pointerIconImage(icon)), place.hotSpot.x(), place.hotSpot.y());
}

Hover hoverOf(Plane& plane) {
    Hover h;
    h.wing = plane.mainWing.wingSelected();
    h.wingPart = plane.mainWing.wingSelectedPartGet();
    h.stab = plane.stab.selected;
    h.stabPart = plane.stab.selected_part;
    const MeshSections& fuselage = plane.fuselages.current();
    h.fuselage = fuselage.selected;
    h.fuselagePart = fuselage.selected_part;
    h.box = plane.equipment.equipmentSelected(true);
    h.fin = plane.fin.selected;
    h.finPart = plane.fin.selected_part;
    return h;
}

PointerShape pointerShapeFor(const Hover& hover, ViewKind mode, const ViewState& view, PointerShape current) {
    PointerShape p = current;
    const auto set = [&p](int value) { p.value = value; };
    const auto custom = [&p](PointerIcon icon) { p = {kPointerCustom, icon}; };
    const bool shift = view.shiftkey;
    if (hover.wing) {
        if (shift) set(kPointerSizeWE);
        else if (liftingEdge(hover.wingPart)) set(kPointerSizeNS);
        else custom(PointerIcon::NorthSouth);
    }
    if (hover.stab) {
        if (shift) set(kPointerSizeWE);
        else if (liftingEdge(hover.stabPart)) set(kPointerSizeNS);
        else custom(PointerIcon::NorthSouth);
    }
    if (hover.fuselage) {
        if (mode == ViewKind::VTop) set(shift ? kPointerSizeNS : kPointerSizeWE);
        else if (shift) set(kPointerSizeWE);
        else if (hover.fuselagePart == 0) set(kPointerSizeNS);
        else custom(PointerIcon::NorthSouth);
    }
    if (hover.box) set(shift ? kPointerSizeNS : kPointerSizeWE);
    if (hover.fin) {
        if (shift) set(kPointerSizeNS);
        else if (liftingEdge(hover.finPart)) set(kPointerSizeWE);
        else custom(PointerIcon::EastWest);
    }
    if (!hover.any()) {
        if (!shift && !view.ctrlkey) set(kPointerDefault);
        if (view.ctrlkey) set(kPointerCross);
    }
    if (view.altkey) set(kPointerSizeAll);
    return p;
}

int shiftPointerFor(const Hover& hover, ViewKind mode) {
    return hover.fin || hover.box || (hover.fuselage && mode == ViewKind::VTop) ? kPointerSizeNS : kPointerSizeWE;
}

}  // namespace ferlo
