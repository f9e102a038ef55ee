#include "editor/window/program_picture.h"

#include <algorithm>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ferlo {

QPixmap programPicture(const QSize& size) {
    QPixmap picture(size.expandedTo(QSize(1, 1)));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, picture.height());
    sky.setColorAt(0, QColor(24, 54, 110));
    sky.setColorAt(1, QColor(120, 170, 220));
    painter.fillRect(picture.rect(), sky);

    // A high-wing model seen from above, nose up, in the lower part.
    const double w = picture.width();
    const double h = picture.height();
    const double s = std::min(w, h * 1.4) / 100.0;
    painter.translate(w / 2, h * 0.62);
    painter.scale(s, s);
    QPainterPath plane;
    plane.addRoundedRect(-3, -26, 6, 48, 3, 3);  // fuselage
    plane.addRect(-45, -14, 90, 13);              // wing
    plane.addRect(-16, 14, 32, 7);                // stabiliser
    painter.setPen(QPen(QColor(20, 30, 50), 0.8));
    painter.setBrush(QColor(240, 240, 235));
    painter.drawPath(plane.simplified());
    painter.resetTransform();

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(8, static_cast<int>(h * 0.22)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, h * 0.04, w, h * 0.3), Qt::AlignCenter, QStringLiteral("Ferlo"));
    return picture;
}

}  // namespace ferlo
