#include <array>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QLineEdit>

#include <benchmark/benchmark.h>

#include "bench_folder.h"
#include "document/plane_operations.h"
#include "document/project_file.h"
#include "document/view_drawing.h"
#include "editor_window.h"
#include "qt_bench_main.h"
#include "support/fake_image_converter.h"
#include "support/large_aircraft.h"
#include "view3d/scene_view.h"

// The editor window driven through the window system (run it under a
// display), on the default aircraft (argument 0) and on the large one
// (argument 1, large_aircraft.h, opened from its project file), each
// measure next to its baseline in the same run:
//
//   DragStep/<part>    one step of a drag: a move event with the left
//                      button to the window, the window flushed
//                      | the dragged part's lines painted with one painter
//                        on a plain window, flushed
//   Hover/<view>       a move without a button onto a part, or off it (the
//                      run fails when the move changes no highlight)
//                      | the part's lines likewise
//   ...Handler/...     the same moves with the window's flush left out of
//                      the time: what the drawing area's handler costs
//                      (the parts, the canvas, the panels, the pointer)
//   TypedDigit/<box>   a digit typed into a panel box, the view redrawn and
//                      the window flushed | the view's visible lines likewise
//   FullRedraw/<view>  the view drawn anew and the window flushed
//                      | the view's visible lines likewise
//   OpenLarge          Open of the large project through the toolbar, the
//                      window flushed and the 3D frame that rebuilds the
//                      scene drawn; the counter `rebuilds` is the rebuilds
//                      per Open | reading the project into an aircraft
//
// The 3D view is the program's own; with Render up (as it starts) only the
// mouse-up and Open rebuild it, and neither is inside a drag step or a hover.

namespace {

using namespace ferlo;
using bench::EditorUnderBench;
using bench::flushWindows;
using Lines = std::vector<RecordingCanvas::Segment>;
namespace fs = std::filesystem;

const fs::path& largeProject() {
    static const fs::path path = [] {
        Plane plane;
        testing::makeAircraft(plane, true);
        testing::FakeImageConverter converter;
        const fs::path file = bench::benchFolder() / "large.flx";
        saveProject(plane, file, converter);
        return file;
    }();
    return path;
}

void openLarge(EditorUnderBench& e) {
    e.dialogs().answers.push_back(true);  // an unsaved project may be left
    e.dialogs().openChoices.push_back({QString::fromStdString(largeProject().string()), 1});
    e.main().Bar_ButtonClick("Open");
    flushWindows();
}

// One editor for each aircraft, kept for the whole run.
EditorUnderBench& editor(bool large) {
    static std::array<std::unique_ptr<EditorUnderBench>, 2> editors;
    std::unique_ptr<EditorUnderBench>& e = editors[large ? 1 : 0];
    if (!e) {
        if (!editors[0] && !editors[1]) bench::atEndOfRun([] { editors = {}; });
        e = std::make_unique<EditorUnderBench>(bench::benchFolder() / (large ? "large" : "default"));
        if (large) openLarge(*e);
    }
    return *e;
}

void show(EditorUnderBench& e, ViewKind kind, ParameterTab tab) {
    MainWindow& main = e.main();
    main.setTab(tab);
    switch (kind) {
    case ViewKind::VTop: main.initVTopView(); break;
    case ViewKind::Front: main.initFrontView(); break;
    case ViewKind::Side: main.initSideView(); break;
    case ViewKind::HTop: main.initHTopView(); break;
    }
    flushWindows();
}

bench::PlainWindow& plainWindow(QSize size) {
    static std::unique_ptr<bench::PlainWindow> window;
    if (!window) {
        window = std::make_unique<bench::PlainWindow>(size);
        bench::atEndOfRun([] { window.reset(); });
    }
    window->resize(size);
    flushWindows();
    return *window;
}

// What `draw` draws on a copy of the editor's aircraft with the view's
// transform: the lines as the drawing area shows them.
template <typename Draw>
Lines linesOf(EditorUnderBench& e, Draw draw) {
    Plane copy = e.main().plane();
    RecordingCanvas canvas(e.area().width(), e.area().height());
    draw(copy, ViewContext{canvas, e.main().state().view, copy.viewColors()});
    return bench::shownLines(canvas);
}

// ---- Where the parts' handles lie ----

QPointF down(const ViewState& v, double across, double second) { return {v.xoff + across * v.zoom, v.yoff + second * v.zoom}; }
QPointF up(const ViewState& v, double across, double height) { return {v.xoff + across * v.zoom, v.yoff - height * v.zoom}; }

// Display section d of a fuselage where the views draw it.
struct Section {
    double pos, width, height, elevation;
};
Section sectionOf(const MeshSections& f, int d) {
    MeshSections probe = f;
    probe.sel_sec = static_cast<std::int16_t>(d);
    return {probe.posGet() + f.pos_offset, probe.widthGet(), probe.heightGet(), probe.elevationGet() + f.elevation_offset};
}
int middleSection(const MeshSections& f) { return (f.nb_sections + 1) / 2; }
// Panel 1: the outer panels of the large aircraft shrink to nothing (each
// 0.3 times as wide as the one before); its tip is panel 2's root there.
SymWingSections& panel1(Plane& p) { return p.mainWing.wing(1); }
MeshSections& fuselage(Plane& p) { return p.fuselages.current(); }
ElectroBox& box(Plane& p) { return p.equipment.current(); }

QPointF vtopTip(const SymWingSections& w, const ViewState& v) {
    return down(v, w.shift + w.span, w.pos1 + w.pos2 + w.length2 / 2);
}
QPointF frontTip(const SymWingSections& w, const ViewState& v) {
    return up(v, w.shift + w.span, w.elevation1 + w.elevation2);
}
QPointF htopBoxHandle(Plane& p, const ViewState& v) {
    const ElectroBox& b = box(p);
    const double half = (b.orientation != 0 ? b.height : b.width) / 2;
    for (const double lateral : {b.shift + half, b.shift - half}) {
        const QPointF at = up(v, b.pos + b.length / 2, lateral);
        if (b.testPositionHTop(at.x(), at.y()) == ElectroBox::kHitHandle) return at;
    }
    return {};
}

// A part a view edits: a handle of it, the way a drag step takes, its
// drawing in the view and whether a press grabbed it.
struct Part {
    const char* name;
    ViewKind view;
    ParameterTab tab;
    QPointF (*handle)(Plane&, const ViewState&);
    QPointF step;
    void (*draw)(Plane&, const ViewContext&);
    bool (*grabbed)(Plane&);
};

const Part kParts[] = {
    {"vtop_panel", ViewKind::VTop, ParameterTab::Wing,
     [](Plane& p, const ViewState& v) { return vtopTip(panel1(p), v); }, {0, 2},
     [](Plane& p, const ViewContext& c) { panel1(p).drawVTop(c); },
     [](Plane& p) { return panel1(p).paint != SymWingSections::kIdlePaint; }},
    {"vtop_stab", ViewKind::VTop, ParameterTab::Wing, [](Plane& p, const ViewState& v) { return vtopTip(p.stab, v); },
     {0, 2}, [](Plane& p, const ViewContext& c) { p.stab.drawVTop(c); },
     [](Plane& p) { return p.stab.paint != SymWingSections::kIdlePaint; }},
    {"vtop_fuselage", ViewKind::VTop, ParameterTab::Wing,
     [](Plane& p, const ViewState& v) { return down(v, fuselage(p).shift, sectionOf(fuselage(p), 1).pos); }, {2, 0},
     [](Plane& p, const ViewContext& c) { fuselage(p).drawVTop(c); },
     [](Plane& p) { return fuselage(p).paint != MeshSections::kIdlePaint; }},
    {"front_panel", ViewKind::Front, ParameterTab::Wing,
     [](Plane& p, const ViewState& v) { return frontTip(panel1(p), v); }, {0, 2},
     [](Plane& p, const ViewContext& c) { panel1(p).drawFront(c); },
     [](Plane& p) { return panel1(p).paint != SymWingSections::kIdlePaint; }},
    {"front_stab", ViewKind::Front, ParameterTab::Wing, [](Plane& p, const ViewState& v) { return frontTip(p.stab, v); },
     {0, 2}, [](Plane& p, const ViewContext& c) { p.stab.drawFront(c); },
     [](Plane& p) { return p.stab.paint != SymWingSections::kIdlePaint; }},
    {"front_fin", ViewKind::Front, ParameterTab::Fin,
     [](Plane& p, const ViewState& v) { return up(v, p.fin.offset1, p.fin.shift); }, {2, 0},
     [](Plane& p, const ViewContext& c) { p.fin.drawFront(c, VertWingSection::kDrawNormal); },
     [](Plane& p) { return p.fin.paint != VertWingSection::kIdlePaint; }},
    {"side_fuselage", ViewKind::Side, ParameterTab::Fuselage,
     [](Plane& p, const ViewState& v) {
         const Section s = sectionOf(fuselage(p), middleSection(fuselage(p)));
         return up(v, s.pos, s.elevation + s.height);
     },
     {0, 2}, [](Plane& p, const ViewContext& c) { fuselage(p).drawSide(c); },
     [](Plane& p) { return fuselage(p).paint != MeshSections::kIdlePaint; }},
    {"side_fin", ViewKind::Side, ParameterTab::Fin,
     [](Plane& p, const ViewState& v) {
         const VertWingSection& f = p.fin;
         return up(v, f.pos1 + f.pos2 + f.length2 / 2, f.shift + f.span);
     },
     {2, 0}, [](Plane& p, const ViewContext& c) { p.fin.drawSide(c); },
     [](Plane& p) { return p.fin.paint != VertWingSection::kIdlePaint; }},
    {"side_box", ViewKind::Side, ParameterTab::Electronics,
     [](Plane& p, const ViewState& v) { return up(v, box(p).pos + box(p).length / 2, box(p).elevation); }, {2, 0},
     [](Plane& p, const ViewContext& c) { box(p).drawSide(c); },
     [](Plane& p) { return box(p).paint != ElectroBox::kIdlePaint; }},
    {"htop_fuselage", ViewKind::HTop, ParameterTab::Fuselage,
     [](Plane& p, const ViewState& v) {
         const Section s = sectionOf(fuselage(p), middleSection(fuselage(p)));
         return down(v, s.pos, fuselage(p).shift + s.width / 2);
     },
     {0, 2}, [](Plane& p, const ViewContext& c) { fuselage(p).drawHTop(c); },
     [](Plane& p) { return fuselage(p).paint != MeshSections::kIdlePaint; }},
    {"htop_box", ViewKind::HTop, ParameterTab::Electronics, htopBoxHandle, {2, 0},
     [](Plane& p, const ViewContext& c) { box(p).drawHTop(c); },
     [](Plane& p) { return box(p).paint != ElectroBox::kIdlePaint; }},
};

// ---- Drag steps ----

// Runs one step and flushes the windows, the flush timed or not.
template <typename Step>
void timedStep(benchmark::State& state, bool flushTimed, Step step) {
    step();
    if (flushTimed) {
        flushWindows();
    } else {
        state.PauseTiming();
        flushWindows();
        state.ResumeTiming();
    }
}

void dragSteps(benchmark::State& state, const Part& part, bool flushTimed) {
    EditorUnderBench& e = editor(state.range(0) != 0);
    show(e, part.view, part.tab);
    Plane& plane = e.main().plane();
    const QPointF handle = part.handle(plane, e.main().state().view);
    e.move(handle);
    e.press(handle);
    flushWindows();
    if (!part.grabbed(plane)) state.SkipWithError("the press grabbed nothing");
    int k = 0;
    for (auto _ : state) {
        timedStep(state, flushTimed, [&] { e.move(handle + part.step * (1 + k++ % 2), Qt::LeftButton); });
    }
    e.release(handle + part.step);
    flushWindows();
}

// The baseline of a case: `lines(editor)`, the lines the case shows in its
// view, painted on the plain window and flushed.
template <typename Case, typename LinesOf>
void plainBaseline(benchmark::State& state, const Case& c, LinesOf lines) {
    EditorUnderBench& e = editor(state.range(0) != 0);
    show(e, c.view, c.tab);
    const Lines shown = lines(e);
    bench::PlainWindow& plain = plainWindow(e.area().size());
    for (auto _ : state) {
        plain.showLines(shown);
        flushWindows();
    }
}

void dragStepBaseline(benchmark::State& state, const Part& part) {
    plainBaseline(state, part, [&](EditorUnderBench& e) { return linesOf(e, part.draw); });
}

// ---- Hover ----

// A move onto a part the view edits and off it again, or, in HTop, from
// one section's line to another's (the fuselage tab follows the section).
struct Hover {
    const char* name;
    ViewKind view;
    ParameterTab tab;
    QPointF (*on)(Plane&, const ViewState&);
    QPointF (*off)(Plane&, const ViewState&);
    void (*draw)(Plane&, const ViewContext&);
    // The hovered part's highlight: whether it is lit, the hit code of the
    // lit piece and, for a fuselage, the selected section. A move from
    // `off` to `on` must change it.
    std::int64_t (*highlight)(Plane&);
};

template <typename Lit>
std::int64_t highlightOf(const Lit& part, std::int16_t section) {
    return (std::int64_t{part.selected} << 48) + (std::int64_t{part.selected_part} << 16) + section;
}
std::int64_t stabHighlight(Plane& p) { return highlightOf(p.stab, 0); }
std::int64_t fuselageHighlight(Plane& p) { return highlightOf(fuselage(p), fuselage(p).sel_sec); }

QPointF sideSectionLine(Plane& p, const ViewState& v, int d) {
    const Section s = sectionOf(fuselage(p), d);
    return up(v, s.pos, s.elevation + s.height / 2);
}
QPointF htopSectionLine(Plane& p, const ViewState& v, int d) {
    return down(v, sectionOf(fuselage(p), d).pos, fuselage(p).shift);
}

const Hover kHovers[] = {
    {"vtop_on_off", ViewKind::VTop, ParameterTab::Wing, [](Plane& p, const ViewState& v) { return vtopTip(p.stab, v); },
     [](Plane& p, const ViewState& v) { return vtopTip(p.stab, v) + QPointF(12, 0); },
     [](Plane& p, const ViewContext& c) { p.stab.drawVTop(c); }, stabHighlight},
    {"front_on_off", ViewKind::Front, ParameterTab::Wing,
     [](Plane& p, const ViewState& v) { return frontTip(p.stab, v); },
     [](Plane& p, const ViewState& v) { return frontTip(p.stab, v) + QPointF(12, 0); },
     [](Plane& p, const ViewContext& c) { p.stab.drawFront(c); }, stabHighlight},
    {"side_on_off", ViewKind::Side, ParameterTab::Fuselage,
     [](Plane& p, const ViewState& v) { return sideSectionLine(p, v, middleSection(fuselage(p))); },
     [](Plane& p, const ViewState& v) {
         const Section s = sectionOf(fuselage(p), middleSection(fuselage(p)));
         return up(v, s.pos, s.elevation + s.height) - QPointF(0, 12);
     },
     [](Plane& p, const ViewContext& c) { fuselage(p).drawSide(c); }, fuselageHighlight},
    {"htop_on_off", ViewKind::HTop, ParameterTab::Fuselage,
     [](Plane& p, const ViewState& v) { return htopSectionLine(p, v, middleSection(fuselage(p))); },
     [](Plane& p, const ViewState& v) {
         const Section s = sectionOf(fuselage(p), middleSection(fuselage(p)));
         return down(v, s.pos, fuselage(p).shift + s.width / 2) + QPointF(0, 12);
     },
     [](Plane& p, const ViewContext& c) { fuselage(p).drawHTop(c); }, fuselageHighlight},
    {"htop_section_to_section", ViewKind::HTop, ParameterTab::Fuselage,
     [](Plane& p, const ViewState& v) { return htopSectionLine(p, v, middleSection(fuselage(p))); },
     [](Plane& p, const ViewState& v) { return htopSectionLine(p, v, middleSection(fuselage(p)) + 2); },
     [](Plane& p, const ViewContext& c) { fuselage(p).drawHTop(c); }, fuselageHighlight},
};

void dragStep(benchmark::State& state, const Part& part) { dragSteps(state, part, true); }
void dragStepHandler(benchmark::State& state, const Part& part) { dragSteps(state, part, false); }

void hovers(benchmark::State& state, const Hover& hover, bool flushTimed) {
    EditorUnderBench& e = editor(state.range(0) != 0);
    show(e, hover.view, hover.tab);
    Plane& plane = e.main().plane();
    const ViewState& view = e.main().state().view;
    const QPointF places[] = {hover.on(plane, view), hover.off(plane, view)};
    e.move(places[1]);
    flushWindows();
    const std::int64_t offHighlight = hover.highlight(plane);
    e.move(places[0]);
    flushWindows();
    if (hover.highlight(plane) == offHighlight) state.SkipWithError("the move onto the part changed no highlight");
    e.move(places[1]);
    flushWindows();
    int k = 0;
    for (auto _ : state) timedStep(state, flushTimed, [&] { e.move(places[k++ % 2]); });
    e.move(places[1]);
    flushWindows();
}

void hover(benchmark::State& state, const Hover& h) { hovers(state, h, true); }
void hoverHandler(benchmark::State& state, const Hover& h) { hovers(state, h, false); }

void hoverBaseline(benchmark::State& state, const Hover& hover) {
    plainBaseline(state, hover, [&](EditorUnderBench& e) { return linesOf(e, hover.draw); });
}

// ---- Whole views: a digit typed into a panel box, and a full redraw ----

struct View {
    const char* name;
    ViewKind view;
    ParameterTab tab;
    const char* box;  // a box of the tab that commits at each key
};

const View kViews[] = {
    {"vtop", ViewKind::VTop, ParameterTab::Wing, "SpanText"},
    {"front", ViewKind::Front, ParameterTab::Wing, "SpanText"},
    {"side", ViewKind::Side, ParameterTab::Fuselage, "WidthFuselageText"},
    {"htop", ViewKind::HTop, ParameterTab::Fuselage, "WidthFuselageText"},
};

Lines viewLines(EditorUnderBench& e, const View& view) {
    const bool equipmentTab = view.tab == ParameterTab::Electronics;
    return linesOf(e, [&](Plane& plane, const ViewContext& ctx) { drawView(plane, view.view, ctx, equipmentTab); });
}

void typeKey(QLineEdit& box, QChar key) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key.unicode(), Qt::NoModifier, QString(key));
        QCoreApplication::sendEvent(&box, &event);
    }
}

void typedDigit(benchmark::State& state, const View& view) {
    EditorUnderBench& e = editor(state.range(0) != 0);
    show(e, view.view, view.tab);
    auto* box = e.main().findChild<QLineEdit*>(QString::fromLatin1(view.box));
    if (box == nullptr) {
        state.SkipWithError("no such box");
        return;
    }
    const QString before = box->text();
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        box->selectAll();
        state.ResumeTiming();
        typeKey(*box, k++ % 2 ? QChar('7') : QChar('8'));
        flushWindows();
    }
    // The value typed back as it was, for the measures that follow.
    box->selectAll();
    for (const QChar c : before) typeKey(*box, c);
    flushWindows();
}

void fullRedraw(benchmark::State& state, const View& view) {
    EditorUnderBench& e = editor(state.range(0) != 0);
    show(e, view.view, view.tab);
    for (auto _ : state) {
        e.main().follow(Effects::RedrawView | Effects::Render3D);
        flushWindows();
    }
}

void viewBaseline(benchmark::State& state, const View& view) {
    plainBaseline(state, view, [&](EditorUnderBench& e) { return viewLines(e, view); });
}

// ---- Open of the large project ----

// Open through the toolbar until the 3D view shows the new scene: the
// window flushed and the 3D frame that rebuilds the scene drawn. The
// counter `rebuilds` is the 3D rebuilds per Open (one is the goal).
void BM_OpenLarge(benchmark::State& state) {
    EditorUnderBench& e = editor(true);
    auto* scene = e.main().findChild<SceneView*>();
    if (scene == nullptr) {
        state.SkipWithError("no 3D view");
        return;
    }
    const int before = scene->rebuilds();
    for (auto _ : state) {
        openLarge(e);
        QElapsedTimer waited;
        waited.start();
        while (!scene->listValid() && waited.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        if (!scene->listValid()) state.SkipWithError("the 3D view drew no frame");
    }
    // Late requests would show as a second rebuild here.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 200) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    state.counters["rebuilds"] = benchmark::Counter(scene->rebuilds() - before, benchmark::Counter::kAvgIterations);
}

void BM_OpenLargeBaseline(benchmark::State& state) {
    const fs::path& file = largeProject();
    for (auto _ : state) {
        Plane plane;
        newPlane(plane);
        benchmark::DoNotOptimize(readProject(plane, file));
    }
}

BENCHMARK(BM_OpenLarge)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenLargeBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);

// Registers each run of `runs` (a name's suffix and a function) for a case.
template <typename Case>
void registerRuns(const std::string& group, const Case& c,
                  std::initializer_list<std::pair<const char*, void (*)(benchmark::State&, const Case&)>> runs) {
    for (const auto& [suffix, fn] : runs) {
        benchmark::RegisterBenchmark((group + suffix + "/" + c.name).c_str(),
                                     [&c, fn = fn](benchmark::State& state) { fn(state, c); })
            ->ArgName("large")
            ->Arg(0)
            ->Arg(1)
            ->Unit(benchmark::kMillisecond);
    }
}

const bool registered = [] {
    for (const Part& part : kParts) {
        registerRuns<Part>("DragStep", part,
                           {{"", &dragStep}, {"Handler", &dragStepHandler}, {"Baseline", &dragStepBaseline}});
    }
    for (const Hover& h : kHovers) {
        registerRuns<Hover>("Hover", h, {{"", &hover}, {"Handler", &hoverHandler}, {"Baseline", &hoverBaseline}});
    }
    for (const View& view : kViews) registerRuns<View>("TypedDigit", view, {{"", &typedDigit}, {"Baseline", &viewBaseline}});
    for (const View& view : kViews) registerRuns<View>("FullRedraw", view, {{"", &fullRedraw}, {"Baseline", &viewBaseline}});
    return true;
}();

}  // namespace
