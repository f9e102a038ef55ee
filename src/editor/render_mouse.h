#pragma once

#include <QObject>

namespace ferlo {

class RenderView;
class ScreenMeasure;
struct FlightState;

// The 3D box's mouse (`render_MouseDown`, `Render_MouseMove`,
// `Render_MouseUp`), in the box's twips (1440 a logical inch). Outside a
// flight the left button turns the view, with Shift alone zooms it and the
// right button shifts it; the picture follows every move and the camera is
// committed at the button's release (a zoom outside its bounds is not, and
// the picture returns to the committed camera). During a flight a click
// changes the speed and, without a joystick, the pointer sets the turn rates.
class RenderMouse : public QObject {
public:
    // Listens to the 3D view's widget, with mouse tracking on.
    RenderMouse(const ScreenMeasure& screen, RenderView& view, FlightState& flight);

    // `button` and `shift` are bit sets (1 left, 2 right, 4 middle; 1 Shift,
    // 2 Ctrl, 4 Alt); x and y are twips.
    void render_MouseDown(int button, int shift, double x, double y);
    void Render_MouseMove(int button, int shift, double x, double y);
    void Render_MouseUp(int button, int shift, double x, double y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double twips(double pixels) const;

    const ScreenMeasure& screen_;
    RenderView& view_;
    FlightState& flight_;
};

}  // namespace ferlo
