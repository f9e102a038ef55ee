#pragma once

#include "base/geometry.h"

namespace ferlo {

// The transform of a 2D view from model units to screen pixels: the zoom in
// pixels per model unit and the screen position of the model origin. Screen
// x grows to the right and screen y downward.
struct ViewTransform {
    double zoom = 1.0;
    double xoff = 0.0;
    double yoff = 0.0;

    // A model point whose second coordinate grows downward on the screen
    // (the longitudinal axis of the VTop plan, aft down).
    Point2D screenDown(const Point2D& model) const {
        return {model.x * zoom + xoff, yoff + model.y * zoom};
    }
    // A model point whose second coordinate grows upward on the screen (a height,
    // or the spanwise distance of the HTop plan).
    Point2D screenUp(const Point2D& model) const {
        return {model.x * zoom + xoff, yoff - model.y * zoom};
    }
};

}  // namespace ferlo
