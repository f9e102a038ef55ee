#pragma once

#include <memory>
#include <optional>

#include <QCursor>

#include "document/mouse_protocol.h"
#include "editor/drawing_area.h"
#include "editor/editor.h"
#include "editor/pointer_shapes.h"

class QObject;

namespace ferlo {

class Editor;
class RenderView;
class TracingPictures;
class ViewSetup;

// What the drawing area's mouse and keys do (`DrawArea_MouseDown`,
// `DrawArea_MouseMove`, `DrawArea_MouseUp`, `DrawArea_keydown`,
// `DrawArea_KeyUp`), its popup's modifier items and the pointer shape. The
// handlers are plain methods, called by the drawing area's events and
// directly (the demonstration drives gestures through them).
//
// The drawing area keeps the view as drawn: a hover draws again only the
// parts whose highlight changes and a drag step the grabbed span, and the
// canvas paints only what they change.
class DrawingAreaInput : public DrawingArea::Events {
public:
    DrawingAreaInput(Editor& main, ViewSetup& views, TracingPictures& pictures, RenderView& render);
    ~DrawingAreaInput() override;

    // ---- The mouse (drawing_area_input.cpp) ----
    // `button` and `shift` are bit sets (1 left, 2 right, 4 middle; 1 Shift,
    // 2 Ctrl, 4 Alt); x and y are drawing-area pixels.
    void mouseDown(int button, int shift, double x, double y) override;
    void mouseMove(int button, int shift, double x, double y) override;
    void mouseUp(int button, int shift, double x, double y) override;
    // Some part the current view edits is grabbed.
    bool dragUnderWay();
    // Draws the parts of the current view over the drawing area, which the
    // caller has just cleared and given its tracing picture.
    void drawView();

    // ---- Keys, popup items and the pointer (drawing_area_keys.cpp) ----
    void keyDown(int keyCode, int shift) override;
    // Any key released: the modifiers cleared and the mouse-up processing.
    void keyUp(int keyCode, int shift) override;
    // The main window's own key-up (`Form_KeyUp`): the view redrawn.
    void formKeyUp();
    // "Change Direction (Shift + Click)" and "Insert/Remove Section (Ctrl + Click)".
    void changeClick();
    void insRemClick();
    // The pointer from what lies under it and the modifiers (`updateMousePointer`).
    void updateMousePointer();

private:
    // The protocol, following the window's view and open tab.
    MouseProtocol& protocol();
    // Clears the drawing area with the view's tracing picture and draws the view.
    void paintView();
    // Draws the whole view again when the drawing area no longer holds it
    // as the view stands (cleared since, or drawn for another view or tab).
    void paintViewIfGone();
    void followGrabWithTab();
    // The current fuselage's selected section, and its size.
    struct SelectedSection {
        int fuselage;
        int section;
        double width, height;
        bool operator==(const SelectedSection&) const = default;
    };
    std::optional<SelectedSection> selectedSection();
    // The tabs to refill after a move; `before`: the selected section
    // before the mouse event.
    Effects panelRefills(const std::optional<SelectedSection>& before);
    // The fuselage tab refilled, the section box fitted first when the
    // selected section is another one than `before`, or of another size.
    Effects fuselageTabRefill(const std::optional<SelectedSection>& before);
    void shortcut(int keyCode, int shift);
    void askFrustumSize();

    // What the drawing area holds: the view as drawn, and when.
    struct DrawnView {
        unsigned clears;
        ViewKind mode;
        bool equipmentTabOpen;
        bool operator==(const DrawnView&) const = default;
    };
    DrawnView drawnNow();

    Editor& main_;
    ViewSetup& views_;
    TracingPictures& pictures_;
    RenderView& render_;
    MouseProtocol mouse_;
    std::optional<DrawnView> drawn_;
    PointerIcon icon_ = PointerIcon::NorthSouth;  // the custom pointer shown with value 99
    std::unique_ptr<QObject> windowKeys_;         // the main window's key-ups
};

}  // namespace ferlo
