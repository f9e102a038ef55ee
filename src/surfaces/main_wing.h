#pragma once

#include <cstdint>
#include <vector>

#include "base/canvas.h"
#include "base/geometry.h"
#include "base/view_state.h"
#include "surfaces/sym_wing_sections.h"

namespace ferlo {

// The main wing: a list of panels, panel 1 at the fuselage and each further
// panel continuing the previous one outwards. Numbered from 1 as the user
// sees them; every loop runs over 1 to `nbWings`.
class MainWing {
public:
    // Slot 0 is never used; slots beyond `nbWings` may hold a removed panel
    // that no list operation visits until `addWing` or `initWings` replaces it.
    // There is always a panel 1.
    std::vector<SymWingSections> wings{2};
    std::int16_t nbWings = 1;
    std::int16_t currentWing = 1;

    // Panel i, 1 to `nbWings`; throws std::out_of_range otherwise.
    SymWingSections& wing(int i);
    const SymWingSections& wing(int i) const;
    SymWingSections& current() { return wing(currentWing); }
    const SymWingSections& current() const { return wing(currentWing); }

    // A new, initialised panel in every slot 1 to `nbWings`; `currentWing` := 1.
    void initWings(const ColorRGB& defaultColor = kDefaultPartColor);
    // Releases panels 1 to `nbWings`.
    void freeWings();
    // A new outer panel in slot `nbWings`, continuing panel `nbWings` - 1; the
    // caller has raised `nbWings` (to 2 at least) before the call.
    void addWing(const ColorRGB& defaultColor = kDefaultPartColor);

    void rescaleWings(double k);
    void switchWingsToInches();
    void switchWingsToMillimeters();

    // The current panel's values, for the wing parameter panel. The setters
    // only store: they neither redraw nor rebuild the 3D halves.
    double wingLength1Get() const { return current().length1; }
    double wingLength2Get() const { return current().length2; }
    double wingPos1Get() const { return current().pos1; }
    double wingPos2Get() const { return current().pos2; }
    double wingElevation1Get() const { return current().elevation1; }
    double wingElevation2Get() const { return current().elevation2; }
    double wingShiftGet() const { return current().shift; }
    double wingSpanGet() const { return current().span; }
    double wingThickness1Get() const { return current().thickness1; }
    double wingThickness2Get() const { return current().thickness2; }
    void wingLength1Set(double v) { current().length1 = v; }
    void wingLength2Set(double v) { current().length2 = v; }
    void wingPos1Set(double v) { current().pos1 = v; }
    void wingPos2Set(double v) { current().pos2 = v; }
    void wingElevation1Set(double v) { current().elevation1 = v; }
    void wingElevation2Set(double v) { current().elevation2 = v; }
    void wingShiftSet(double v) { current().shift = v; }
    void wingSpanSet(double v) { current().span = v; }
    void wingThickness1Set(double v) { current().thickness1 = v; }
    void wingThickness2Set(double v) { current().thickness2 = v; }

    // A wing drag is under way: some panel has `paint` other than 5.
    bool wingGrabbed() const;
    // Some panel is highlighted under the pointer.
    bool wingSelected() const;
    // `selected_part` of the first highlighted panel; -1 when none is.
    std::int32_t wingSelectedPartGet() const;
    void resetWingsPaint();
    void unselectWings();

    // ---- The VTop and Front views of every panel (main_wing_views.cpp) ----
    // The views draw and move each panel on its own (document/view_drawing.h,
    // document/mouse_steps.h); these run on panels 1 to `nbWings` in order.
    // Mouse-down: every panel takes its hit code and start values until one
    // is grabbed by its root edge; the panels outboard of it are then grabbed
    // by their roots too, so that they follow it.
    void initMouseValVTopWings(const ViewState& view, double x, double y);
    void initMouseValFrontWings(const ViewState& view, double x, double y);
    void printVTopWings(Canvas& printer, const ViewTransform& transform) const;
    void printFrontWings(Canvas& printer, const ViewColors& colors, const ViewTransform& transform) const;

private:
    void pressWings(std::int32_t (SymWingSections::*testPosition)(double, double) const,
                    void (SymWingSections::*initMouseVal)(const ViewState&), const ViewState& view, double x,
                    double y);

    template <typename Action>
    void forEachWing(Action action) {
        for (int i = 1; i <= nbWings; ++i) action(wing(i));
    }
    template <typename Action>
    void forEachWing(Action action) const {
        for (int i = 1; i <= nbWings; ++i) action(wing(i));
    }

public:
    // The wing list in the project file (main_wing_records.cpp): `nbWings`,
    // then one "Wing Type" record per panel; the "Airfoil" records of the
    // panels stand in a list of their own, without a count.
    //
    // The readers check the panel count (1 to kMaxWingPanels) before they
    // build anything and build every panel afresh. When a value cannot be
    // read they throw ReadError; the list then holds the panels whose records
    // were read completely, or stays as it was when there is none.
    static constexpr int kMaxWingPanels = 1000;

    void saveWings(ValueWriter& out) const;
    // The current format: `nbWings` panels.
    void readWings(ValueReader& in, const ColorRGB& defaultColor = kDefaultPartColor);
    // Files 1.2 to 1.7.x, 0.3.1 to 1.1.x and 0.2 to 0.3.0, each with its own
    // panel record. These files always hold two records: with a count of 2
    // they become panels 1 and 2; with any other count the second record is
    // read and dropped, and the list holds panel 1 only.
    void readWingsV120(ValueReader& in, const ColorRGB& defaultColor = kDefaultPartColor);
    void readWingsV101(ValueReader& in, const ColorRGB& defaultColor = kDefaultPartColor);
    void readWingsV0212(ValueReader& in, const ColorRGB& defaultColor = kDefaultPartColor);
    void saveWingsAirfoil(ValueWriter& out) const;
    // One "Airfoil" record for each panel 1 to `nbWings` (files 1.7 and later).
    void readWingsAirfoil(ValueReader& in);
};

}  // namespace ferlo
