// The fuselages in the 2D views: which fuselages take part in a view's
// drawing, mouse moves, printouts and DXF export, in which order and with
// which draw codes.

#include <cstdint>

#include "fuselage/fuselage_list.h"

namespace ferlo {

template <typename Action>
void FuselageList::forEachOtherShown(Action action) {
    for (int i = 1; i <= nbFuselages(); ++i) {
        if (i != currentFuselage && shown(i)) action(fuselage(i));
    }
}

template <typename Press>
void FuselageList::pressCurrent(Press press) {
    Entry& edited = entry(currentFuselage);
    if (edited.shown) {
        press(edited.fuselage);
    } else {
        edited.fuselage.paint = MeshSections::kIdlePaint;
    }
}

void FuselageList::pressSideFuselages(const ViewState& view, double x, double y) {
    pressCurrent([&](MeshSections& f) {
        f.paint = f.testPositionSide(x, y, view.ctrlkey);
        f.initMouseValSide(view);
    });
}

void FuselageList::pressVTopFuselages(const ViewState& view, double x, double y) {
    pressCurrent([&](MeshSections& f) {
        f.paint = f.testPositionVTop(x, y);
        f.initMouseValVTop(view);
    });
}

void FuselageList::pressHTopFuselages(const ViewState& view, double x, double y) {
    pressCurrent([&](MeshSections& f) {
        f.paint = f.testPositionHTop(view, x, y);
        f.initMouseValHTop();
    });
}

void FuselageList::drawFuselages(DrawOperation draw, const ViewContext& ctx, std::int16_t selected1,
                                 std::int32_t which) {
    Entry& edited = entry(currentFuselage);
    forEachOtherShown([&](MeshSections& f) { (f.*draw)(ctx, selected1, MeshSections::kDrawInactive); });
    if (edited.shown) (edited.fuselage.*draw)(ctx, selected1, which);
}

void FuselageList::drawSideFuselages(const ViewContext& ctx, std::int16_t selected1, std::int32_t which) {
    drawFuselages(&MeshSections::drawSide, ctx, selected1, which);
}

void FuselageList::selectsSideFuselages(const ViewContext& ctx, double x, double y) {
    Entry& edited = entry(currentFuselage);
    forEachOtherShown([&](MeshSections& f) { f.drawSide(ctx, -1, MeshSections::kDrawInactive); });
    if (edited.shown) edited.fuselage.selectsSide(ctx, x, y);
}

void FuselageList::drawHTopFuselages(const ViewContext& ctx, std::int16_t selected1, std::int32_t which) {
    drawFuselages(&MeshSections::drawHTop, ctx, selected1, which);
}

void FuselageList::selectsHTopFuselages(const ViewContext& ctx, double x, double y) {
    entry(currentFuselage);  // an invalid current fuselage fails before anything is drawn
    for (int i = 1; i <= nbFuselages(); ++i) {
        if (!shown(i)) continue;
        MeshSections& f = fuselage(i);
        if (i == currentFuselage) {
            f.selectsHTop(ctx, x, y);
        } else {
            f.drawHTop(ctx, -1, MeshSections::kDrawInactive);
        }
    }
}

void FuselageList::selectsVTopFuselages(const ViewContext& ctx, double x, double y) {
    Entry& edited = entry(currentFuselage);
    forEachOtherShown([&](MeshSections& f) { f.drawVTop(ctx, MeshSections::kDrawInactive); });
    if (edited.shown) edited.fuselage.selectsVTop(ctx, x, y);
}

void FuselageList::printVTopFuselages(Canvas& printer, const ViewTransform& transform) const {
    for (const Entry& e : entries) e.fuselage.printVTop(printer, transform);
}

void FuselageList::printFrontFuselages(Canvas& printer, const ViewColors& colors,
                                       const ViewTransform& transform) const {
    for (const Entry& e : entries) {
        for (int d = 1; d <= e.fuselage.nb_sections; ++d) e.fuselage.printFront(printer, colors, d, transform);
    }
}

void FuselageList::saveDXF_sideFuselages(DxfFile& file) const { saveDXFFuselages(&MeshSections::saveDXF_side, file); }

void FuselageList::saveDXF_vtopFuselages(DxfFile& file) const { saveDXFFuselages(&MeshSections::saveDXF_vtop, file); }

void FuselageList::saveDXF_frontFuselages(DxfFile& file) const {
    saveDXFFuselages(&MeshSections::saveDXF_front, file);
}

void FuselageList::saveDXFFuselages(void (MeshSections::*saveDXF)(DxfFile&, std::int16_t) const,
                                    DxfFile& file) const {
    for (int i = 1; i <= nbFuselages(); ++i) {
        const MeshSections& f = fuselage(i);
        if (f.nb_cross != 0) (f.*saveDXF)(file, static_cast<std::int16_t>(i));
    }
}

}  // namespace ferlo
