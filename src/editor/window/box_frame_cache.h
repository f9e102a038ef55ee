#pragma once

#include <map>
#include <tuple>

#include <QPixmap>
#include <QProxyStyle>

namespace ferlo {

// The application's style, with the panel of a line edit (its background
// and rounded frame) painted once for each size, state and palette and then
// copied from that picture: a box whose text changes, a parameter box
// following a drag, repaints without stroking its frame again.
class BoxFrameCache : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    // Size, state, palette, line width, features, direction, pixel ratio.
    using Key = std::tuple<int, int, int, qint64, int, int, int, qreal>;
    mutable std::map<Key, QPixmap> panels_;
};

// Makes the application's style a BoxFrameCache over the style it has, once.
void cacheBoxFrames();

}  // namespace ferlo
