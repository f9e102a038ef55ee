#include "view3d/conversion_progress_window.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace ferlo {

ConversionProgressWindow::ConversionProgressWindow(std::chrono::milliseconds showAfter, QWidget* parent)
    : QWidget(parent, Qt::Tool), bar_(new QProgressBar(this)), showAfter_(showAfter) {
    setWindowTitle(QStringLiteral("Texture conversion"));
    bar_->setRange(0, 100);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(bar_);
    setFixedWidth(300);
}

void ConversionProgressWindow::begin() {
    bar_->setValue(0);
    clock_.start();
}

// Repainted when the value changes or the window appears: the conversion
// reports each row, thousands for a large image, and a repaint waits for
// the window system.
void ConversionProgressWindow::setValue(int percent) {
    const bool changed = percent != bar_->value();
    bar_->setValue(percent);
    const bool appears = !isVisible() && clock_.isValid() && clock_.elapsed() >= showAfter_.count();
    if (appears) show();
    if (isVisible() && (changed || appears)) repaint();
}

void ConversionProgressWindow::end() {
    hide();
    clock_.invalidate();
}

int ConversionProgressWindow::value() const { return bar_->value(); }

}  // namespace ferlo
