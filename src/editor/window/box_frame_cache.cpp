#include "editor/window/box_frame_cache.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>

namespace ferlo {

namespace {

// The panels of stand-alone line edits; those inside a spin box or a combo
// box are the style's to paint with their control.
bool standAloneLineEdit(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget) == nullptr) return false;
    const QWidget* parent = widget->parentWidget();
    return qobject_cast<const QAbstractSpinBox*>(parent) == nullptr && qobject_cast<const QComboBox*>(parent) == nullptr;
}

}  // namespace

void BoxFrameCache::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || frame == nullptr || !standAloneLineEdit(widget)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatioF();
    const Key key{frame->rect.width(),         frame->rect.height(),
                  static_cast<int>(frame->state), frame->palette.cacheKey(),
                  frame->lineWidth,               static_cast<int>(frame->features),
                  static_cast<int>(frame->direction), ratio};
    auto found = panels_.find(key);
    if (found == panels_.end()) {
        // A few boxes in a few states: a long list only follows palettes no
        // box has any more.
        constexpr std::size_t kMostPanels = 256;
        if (panels_.size() >= kMostPanels) panels_.clear();
        QPixmap panel(frame->rect.size() * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QStyleOptionFrame atOrigin(*frame);
        atOrigin.rect.moveTo(0, 0);
        QPainter onPanel(&panel);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onPanel, widget);
        onPanel.end();
        found = panels_.emplace(key, panel).first;
    }
    painter->drawPixmap(frame->rect.topLeft(), found->second);
}

void cacheBoxFrames() {
    if (dynamic_cast<BoxFrameCache*>(QApplication::style()) != nullptr) return;
    QApplication::setStyle(new BoxFrameCache(QStyleFactory::create(QApplication::style()->name())));
}

}  // namespace ferlo
