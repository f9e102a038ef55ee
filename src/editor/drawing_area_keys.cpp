// The drawing area's keys (modifiers and shortcuts), the main window's own
// key-up, the popup's modifier items and the pointer shape.

#include <optional>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QObject>

#include "base/number_text.h"
#include "document/plane.h"
#include "editor/drawing_area_input.h"
#include "editor/editor.h"
#include "editor/failure_rule.h"
#include "editor/main_controls.h"
#include "editor/render_view.h"
#include "editor/tracing_pictures.h"
#include "editor/user_dialogs.h"
#include "editor/view_setup.h"

namespace ferlo {

namespace {

constexpr int kShiftAlone = 1;
constexpr int kCtrlAlone = 2;
constexpr int kShiftAndCtrl = 3;
constexpr int kAltAlone = 4;

// Some part is grabbed, in whatever view: keys wait until the drag ends.
bool anyPartGrabbed(Plane& plane) {
    return plane.mainWing.wingGrabbed() || plane.equipment.equipmentGrabbed() ||
           plane.stab.paint != SymWingSections::kIdlePaint || plane.fin.paint != VertWingSection::kIdlePaint ||
           plane.fuselages.current().paint != MeshSections::kIdlePaint;
}

// The key-ups that reach the main window while it holds the keyboard focus
// itself (those of its controls are theirs).
class WindowKeyUps : public QObject {
public:
    WindowKeyUps(QWidget& window, DrawingAreaInput& input) : window_(window), input_(input) {
        window_.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::KeyRelease) {
            const QWidget* focus = QApplication::focusWidget();
            if (focus == nullptr || focus == &window_) input_.formKeyUp();
        }
        return false;
    }

private:
    QWidget& window_;
    DrawingAreaInput& input_;
};

}  // namespace

DrawingAreaInput::DrawingAreaInput(Editor& main, ViewSetup& views, TracingPictures& pictures, RenderView& render)
    : main_(main),
      views_(views),
      pictures_(pictures),
      render_(render),
      mouse_(main.plane(), main.state().view, main.controls().DrawArea->canvas()) {
    const MainControls& c = main_.controls();
    QObject::connect(c.Change, &QAction::triggered, [this] { changeClick(); });
    QObject::connect(c.InsRem, &QAction::triggered, [this] { insRemClick(); });
    windowKeys_ = std::make_unique<WindowKeyUps>(*c.Main, *this);
}

DrawingAreaInput::~DrawingAreaInput() = default;

// Nothing while a part is grabbed. Shift over a highlighted edge (not a
// corner shown with the custom pointer) shows the size arrow of the other
// direction and lets the next drag change the other quantity; Ctrl in the
// Side and HTop views shows the cross-hair and lets a click insert or
// remove a section; Alt lets a drag move the tracing picture. Then the
// shortcut of the key, whatever the modifiers.
void DrawingAreaInput::keyDown(int keyCode, int shift) {
    Plane& plane = main_.plane();
    bool grabbed = false;
    skipOnFailure([&] { grabbed = anyPartGrabbed(plane); });
    if (grabbed) return;
    EditorState& s = main_.state();
    DrawingArea& area = *main_.controls().DrawArea;
    if (shift == kShiftAlone) {
        skipOnFailure([&] {
            const Hover hover = hoverOf(plane);
            if (!hover.any() || area.mousePointer() == kPointerCustom) return;
            area.setMousePointer(shiftPointerFor(hover, s.mode));
            s.view.shiftkey = true;
        });
    }
    if (shift == kCtrlAlone && (s.mode == ViewKind::Side || s.mode == ViewKind::HTop)) {
        if (!s.view.ctrlkey) area.setMousePointer(kPointerCross);
        s.view.ctrlkey = true;
    }
    if (shift == kAltAlone) s.view.altkey = true;
    shortcut(keyCode, shift);
}

void DrawingAreaInput::shortcut(int keyCode, int shift) {
    EditorState& s = main_.state();
    switch (keyCode) {
    case Qt::Key_Z: views_.show(ViewKind::VTop); break;
    case Qt::Key_C: views_.show(ViewKind::Side); break;
    case Qt::Key_X: views_.show(ViewKind::Front); break;
    case Qt::Key_V: views_.show(ViewKind::HTop); break;
    case Qt::Key_S: main_.follow(Effects::Rebuild3D); break;
    case Qt::Key_O: pictures_.loadBitmap(); break;
    case Qt::Key_I:
        if (s.picture().bitmapLoaded) pictures_.sizeBitmap();
        break;
    case Qt::Key_A:
        s.focusZoom = true;
        main_.follow(Effects::RedrawView | Effects::Render3D);
        break;
    case Qt::Key_R:
        if (shift == kShiftAndCtrl) askFrustumSize();
        break;
    default: break;
    }
}

// The half-width of the 3D view's frustum, applied only when the answer is
// a positive number.
void DrawingAreaInput::askFrustumSize() {
    const QString answer = main_.dialogs().inputText(QStringLiteral("Enter max frustrum value [100]"),
                                                     QStringLiteral("Special feature for the members of Ferlo Expert Group"),
                                                     QStringLiteral("100"));
    const std::optional<double> size = parseNumber(answer.toStdString());
    if (size && *size > 0) skipOnFailure([&] { render_.initGLFrustum(*size); });
}

void DrawingAreaInput::keyUp(int, int) {
    EditorState& s = main_.state();
    s.view.shiftkey = false;
    s.view.ctrlkey = false;
    s.view.altkey = false;
    mouseUp(0, 0, -1, -1);
}

void DrawingAreaInput::formKeyUp() { main_.follow(Effects::RedrawView | Effects::Render3D); }

void DrawingAreaInput::changeClick() {
    ViewState& view = main_.state().view;
    if (main_.controls().DrawArea->mousePointer() != kPointerCustom) view.shiftkey = !view.shiftkey;
    view.ctrlkey = false;
}

void DrawingAreaInput::insRemClick() {
    ViewState& view = main_.state().view;
    view.ctrlkey = !view.ctrlkey;
    view.shiftkey = false;
}

void DrawingAreaInput::updateMousePointer() {
    DrawingArea& area = *main_.controls().DrawArea;
    skipOnFailure([&] {
        const PointerShape shape = pointerShapeFor(hoverOf(main_.plane()), main_.state().mode, main_.state().view,
                                                   {area.mousePointer(), icon_});
        if (shape.value == kPointerCustom && (area.mousePointer() != kPointerCustom || shape.icon != icon_)) {
            icon_ = shape.icon;
            area.setMouseIcon(pointerIconCursor(icon_));
        }
        area.setMousePointer(shape.value);
    });
}

}  // namespace ferlo
