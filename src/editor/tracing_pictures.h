#pragma once

#include <array>
#include <optional>

#include <QImage>
#include <QString>

#include "editor/picture_file.h"

namespace ferlo {

class Editor;

// A resize answer read as a factor in percent, in the user's regional number
// format or with a point; nothing when it is not a positive finite number.
std::optional<double> readResizeFactor(const QString& answer);
// The factor as the resize box offers it: one blank before a number that is
// not negative (" 100").
QString resizeFactorText(double factor);

// The tracing pictures of the 2D views (one per view, in the editor state)
// and the five commands of the drawing area's popup menu that manage them.
// Move, Size and Clear Bitmap are enabled when the current view has a
// picture. Each view keeps its picture decoded at the size it is shown at and
// reads the file again only when it changed; a paint that can no longer read
// it leaves the view without a picture and tells the user.
class TracingPictures {
public:
    // A resize that would paint the picture larger than this on a side keeps
    // the old factor.
    static constexpr double kMaxPaintedSide = 100000.0;

    explicit TracingPictures(Editor& main);

    // "Load Bitmap (O)": a picture chosen in the open dialog replaces the
    // current view's, centred at its natural size and shown alone until the
    // view is next drawn. A cancelled dialog leaves the view without a
    // picture; a picture that cannot be read gives one message with the
    // reason and leaves the view without one.
    void loadBitmap();
    // "Move Bitmap (Alt +Click)": the next drag in the drawing area moves the picture.
    void moveBitmap();
    // "Size Bitmap (I)": asks for a factor and paints the picture at that
    // share of its natural size, its top-left corner kept. Nothing without a
    // picture in the current view; an answer that is not a positive number
    // keeps the old factor.
    void sizeBitmap();
    // "Lock Zoom": reverses the check mark; while it is on, the views keep
    // their zoom and origin.
    void lockZoom();
    // "Clear Bitmap": the current view loses its picture and is redrawn.
    void clearBitmap();

    // Clears the drawing area and paints the current view's picture, when it
    // has one, at its place and size. A picture whose file cannot be read any
    // more is dropped, with one message.
    void clearDrawingArea();
    // Start-up: no picture in the VTop view, its place (0, 0) at 100 %, and
    // the items that need a picture disabled.
    void resetAtStartUp();

private:
    // Move, Size and Clear Bitmap follow whether the current view has a
    // picture; run whenever the view or its picture changes, and as the
    // popup opens.
    void enableItemsOfView();
    // Lock Zoom disabled and its mark removed.
    void removeZoomLock();
    void tellPictureLost(const QString& file);
    void paint(const QImage& picture);
    PictureCache& decoded();  // the current view's decoded picture

    Editor& main_;
    std::array<PictureCache, 5> decoded_;  // by view kind, 1 to 4
};

}  // namespace ferlo
