#pragma once

#include <QPixmap>
#include <QSize>

namespace ferlo {

// The program's picture (the main window's logo, the splash window's image):
// the name over a plan view of a model aircraft, drawn to `size`.
QPixmap programPicture(const QSize& size);

}  // namespace ferlo
