#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/canvas.h"
#include "base/dxf_writer.h"
#include "base/geometry.h"
#include "base/units.h"
#include "base/value_reader.h"
#include "base/value_writer.h"
#include "base/view_state.h"
#include "fuselage/mesh_sections.h"

namespace ferlo {

// The fuselage list: every fuselage of the aircraft, numbered from 1 in the
// order of creation or of the project file (the number names the fuselage in
// the fuselage manager, in its DXF layer and in the file), the fuselage the
// editor works on, and the fuselage manager's row of each fuselage: its text
// and its shown flag.
//
// A hidden fuselage is skipped by the 3D rebuild, the 3D scene and the 2D
// drawing loops; files, rescale, unit switches, printing and DXF include it.
// The rows follow the list: a fuselage added to the list is shown, its row
// text "Fuselage " and its number in three digits ("Fuselage 004"), and one
// removed from it takes its row along, so there is always one row per
// fuselage. A row read from a project file keeps the text stored there. There is always a fuselage 1; every loop runs over fuselages 1
// to nbFuselages() in order.
class FuselageList {
public:
    // A limit far above any model. It keeps a damaged file or a held-down
    // Plus button from making the program build meshes without end.
    static constexpr int kMaxFuselages = 100;
    // What a mesh point costs the editor at most: 40 bytes in the model (its
    // position and texture coordinate) and up to 64 in the 3D view's display
    // list (it lies on two strips, a vertex with normal and texture
    // coordinate on each, where the driver does not share them).
    static constexpr std::int64_t kEditorBytesPerMeshPoint = 40 + 2 * 32;
    // The memory the fuselages' meshes may take in the editor.
    static constexpr std::int64_t kMeshMemoryBudget = 208'000'000;
    // The mesh points (sections x outline points) all fuselages together may
    // hold: two of the largest fuselage. A file at this bound reads in a
    // blink and rebuilds its 3D view in a second.
    static constexpr std::int64_t kMaxMeshPoints = kMeshMemoryBudget / kEditorBytesPerMeshPoint;

    // The fuselage the editor works on, 1 to nbFuselages(). Only the user
    // moves it (fuselage panel, fuselage manager); a loop over the fuselages
    // (printing, export) leaves it where it found it, since the fuselage panel
    // shows it. An operation on the current fuselage while it names no
    // fuselage throws std::out_of_range.
    std::int16_t currentFuselage = 1;

    // A new project's list (see initFuselages).
    explicit FuselageList(LengthUnit units = LengthUnit::Millimeters,
                          const ColorRGB& defaultColor = kDefaultPartColor);

    std::int16_t nbFuselages() const { return static_cast<std::int16_t>(entries.size()); }

    // Fuselage i, 1 to nbFuselages(); throws std::out_of_range otherwise.
    MeshSections& fuselage(int i);
    const MeshSections& fuselage(int i) const;
    MeshSections& current() { return fuselage(currentFuselage); }
    const MeshSections& current() const { return fuselage(currentFuselage); }

    // The fuselage manager's flag of fuselage i; throws std::out_of_range for
    // a fuselage the list does not hold.
    bool shown(int i) const;
    void setShown(int i, bool isShown);
    // Every fuselage shown (the manager's show-all, before a VRML export).
    void showAll();
    // The text of fuselage i's row in the fuselage manager; throws
    // std::out_of_range for a fuselage the list does not hold.
    const std::string& rowText(int i) const;
    void setRowText(int i, std::string text);

    // New project: one default fuselage in `units` with `defaultColor`,
    // shown and current, whatever the list held.
    void initFuselages(LengthUnit units, const ColorRGB& defaultColor);
    // The fuselage panel's Plus button: a new fuselage at the end, shown and
    // made current. With Ctrl (`ctrlkey_tab`) it is a copy of the fuselage
    // current until then (which is left with its last section selected),
    // otherwise a default fuselage in `units`. False, and nothing changes,
    // when the list is full.
    bool addFuselage(bool ctrlkey_tab, LengthUnit units, const ColorRGB& defaultColor);
    // Its Minus button, once the user has agreed: with more than one
    // fuselage the last one is removed and the new last one made current;
    // false, and nothing changes, otherwise.
    bool removeLastFuselage();

    // The 3D mesh of every shown fuselage; a hidden one keeps the mesh it had.
    void createFuselages();

    // Every fuselage, shown or hidden, all or none: an overflow throws
    // std::overflow_error and no fuselage changes.
    void rescaleFuselages(double k);
    void switchFuselagesToInches();
    void switchFuselagesToMillimeters();

    // ---- The fuselage section of the project file (fuselage_list_records.cpp) ----
    // The count, then one "Fuselage" record per fuselage, hidden ones too.
    // Fuselages holding more than kMaxMeshPoints in all throw WriteError:
    // such a file could not be read back.
    void saveFuselages(ValueWriter& out) const;
    // A counted section: the count (1 to kMaxFuselages) is checked before
    // anything is built, then every record is read into a new default
    // fuselage with `defaultColor`, so what an older record does not carry
    // has the default. Every fuselage read is shown. When a value cannot be
    // read, or a record brings the fuselages above kMaxMeshPoints in all,
    // they throw ReadError; the list then holds the fuselages whose
    // records were read completely, or stays as it was when there is none.
    // `currentFuselage` stays, kept within the list.
    void readFuselages(ValueReader& in, const ColorRGB& defaultColor = kDefaultPartColor);      // 1.3 and later
    void readFuselagesV120(ValueReader& in, const ColorRGB& defaultColor = kDefaultPartColor);  // 1.2.x
    void readFuselagesV101(ValueReader& in, const ColorRGB& defaultColor = kDefaultPartColor);  // 1.0.1 to 1.1.x
    void readFuselagesV030(ValueReader& in, const ColorRGB& defaultColor = kDefaultPartColor);  // 0.3.0 to 1.0.0
    // The two oldest files hold one record and no count: it is read into
    // fuselage 1, which keeps what the record does not carry, and becomes
    // the only fuselage. A record that cannot be read throws ReadError and
    // leaves the list as it was.
    void readFuselageV0212(ValueReader& in);
    void readFuselageV026(ValueReader& in);
    // `elevation_offset` := 0 on every fuselage: a file older than the
    // current format does not keep the offsets it stores.
    void resetFuselagesElevationOffset();

    // ---- The fuselages in the 2D views (fuselage_list_views.cpp) ----
    // The editor reaches the current fuselage's fields and its hit tests,
    // drag starts, section editing, cross-section box and single-fuselage
    // printouts through current(), looked up afresh at every call. What runs
    // over several fuselages is here. In the Side, VTop and HTop views only
    // the current fuselage is edited: the other shown fuselages are drawn in
    // the inactive colour (MeshSections::kDrawInactive), and a hidden one is
    // neither drawn, computed nor moved. The printouts and the DXF writers
    // take hidden fuselages too. Every operation looks up the current
    // fuselage first, so an invalid `currentFuselage` throws before anything
    // is drawn or written.

    // Mouse-down in the Side, VTop or HTop view: the current fuselage, if
    // shown, takes the hit code at (x, y) as `paint` (a hit selects its
    // section) and the start values of its drag. A hidden one answers no hit
    // test: it is left idle and keeps its selected section.
    void pressSideFuselages(const ViewState& view, double x, double y);
    void pressVTopFuselages(const ViewState& view, double x, double y);
    void pressHTopFuselages(const ViewState& view, double x, double y);

    // Side view: the other shown fuselages in the inactive colour, then the
    // current one, if shown, with `selected1` and `which`.
    void drawSideFuselages(const ViewContext& ctx, std::int16_t selected1, std::int32_t which);
    // Side mouse move: the other shown fuselages redrawn inactive, then the
    // current one, if shown, hovers or drags.
    void selectsSideFuselages(const ViewContext& ctx, double x, double y);
    // HTop view: as drawSideFuselages.
    void drawHTopFuselages(const ViewContext& ctx, std::int16_t selected1, std::int32_t which);
    // HTop mouse move, in one pass in list order: the current fuselage hovers
    // or drags at its own place, so the shown fuselages after it are redrawn
    // over it.
    void selectsHTopFuselages(const ViewContext& ctx, double x, double y);
    // VTop mouse move: the other shown fuselages redrawn inactive, then the
    // current one, if shown, hovers or drags.
    void selectsVTopFuselages(const ViewContext& ctx, double x, double y);

    // The VTop printout: every fuselage, shown or hidden.
    void printVTopFuselages(Canvas& printer, const ViewTransform& transform) const;
    // The Front printout: every section of every fuselage, shown or hidden,
    // in list order; the current fuselage stays.
    void printFrontFuselages(Canvas& printer, const ViewColors& colors, const ViewTransform& transform) const;

    // The DXF export of the Side, VTop and Front views: every fuselage with
    // outline points, shown or hidden, on the layer of its list number (a
    // fuselage without outline points is skipped and the others keep their
    // numbers).
    void saveDXF_sideFuselages(DxfFile& file) const;
    void saveDXF_vtopFuselages(DxfFile& file) const;
    void saveDXF_frontFuselages(DxfFile& file) const;

private:
    struct Entry {
        MeshSections fuselage;
        std::string rowText;
        bool shown = true;
    };
    // The row of a fuselage added as number `number`: shown, with its text.
    static Entry newEntry(MeshSections fuselage, int number);
    using RecordReader = void (MeshSections::*)(ValueReader&);

    const Entry& entry(int i) const;
    Entry& entry(int i);
    void keepCurrentInList();
    void readCountedSection(ValueReader& in, RecordReader readRecord, const ColorRGB& defaultColor);
    void readSingleRecord(ValueReader& in, RecordReader readRecord);
    // Every shown fuselage but the current one, in list order.
    template <typename Action>
    void forEachOtherShown(Action action);
    // The Side or HTop drawing: the other shown fuselages inactive, then
    // the current one, if shown, with `which`.
    using DrawOperation = void (MeshSections::*)(const ViewContext&, std::int16_t, std::int32_t);
    void drawFuselages(DrawOperation draw, const ViewContext& ctx, std::int16_t selected1, std::int32_t which);
    void saveDXFFuselages(void (MeshSections::*saveDXF)(DxfFile&, std::int16_t) const, DxfFile& file) const;
    // The mouse-down of a view: `press(current fuselage)` when it is shown,
    // else the current fuselage idle.
    template <typename Press>
    void pressCurrent(Press press);

    // Fuselage i and its flag at index i - 1.
    std::vector<Entry> entries;
};

}  // namespace ferlo
