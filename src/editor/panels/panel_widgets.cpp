#include "editor/panels/panel_widgets.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>

namespace ferlo {

namespace {
constexpr int kMargin = 8;  // left of a row
constexpr int kCaptionWidth = 64;
// The box ends 6 pixels short of its frame's right edge.
constexpr int kBoxWidth = kRowFrameWidth - kMargin - kCaptionWidth - 6;
constexpr int kBoxHeight = kRowHeight - 2;

// Once its control is first shown, gives it the colour its parent shows
// just below the middle of it (the frame's or the page's background there),
// as the control's parent draws it over the tab widget's pane.
class BackgroundTaker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* control = static_cast<QWidget*>(watched);
            control->removeEventFilter(this);
            // After the show has reached the control's frame and neighbours;
            // a control hidden again meanwhile waits for its next show.
            QTimer::singleShot(0, this, [this, control] {
                if (!control->isVisible()) {
                    control->installEventFilter(this);
                    return;
                }
                take(control);
                deleteLater();
            });
        }
        return false;
    }

private:
    static void take(QWidget* control) {
        QWidget* tabs = control->parentWidget();
        while (tabs->parentWidget() != nullptr && qobject_cast<QTabWidget*>(tabs) == nullptr) tabs = tabs->parentWidget();
        const QPoint below = control->mapTo(tabs, QPoint(control->width() / 2, control->height()));
        QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
        pixel.fill(Qt::transparent);
        tabs->render(&pixel, QPoint(), QRegion(QRect(below, QSize(1, 1))), QWidget::DrawChildren);
        QPalette palette = control->palette();
        palette.setColor(QPalette::Window, pixel.pixelColor(0, 0));
        control->setPalette(palette);
        control->setBackgroundRole(QPalette::Window);
        control->setAutoFillBackground(true);
    }
};
}  // namespace

void fillsItsOwnBackground(QWidget* control) { control->installEventFilter(new BackgroundTaker(control)); }

QLineEdit* addBoxRow(QWidget* parent, const QString& name, const QString& caption, int y) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(kMargin, y, kCaptionWidth, kBoxHeight);
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(kMargin + kCaptionWidth, y, kBoxWidth, kBoxHeight);
    fillsItsOwnBackground(box);
    label->setBuddy(box);
    return box;
}

void IndexControls::show(int count, int current) {
    const QSignalBlocker quiet(scroll);
    scroll->setMaximum(count);
    scroll->setValue(current);
    label->setText(QString::number(current));
}

IndexControls addIndexControls(QWidget* parent, const char* scrollName, const char* labelName,
                               const char* plusName, const char* minusName, int y) {
    IndexControls c;
    c.scroll = new QScrollBar(Qt::Horizontal, parent);
    c.scroll->setObjectName(scrollName);
    c.scroll->setRange(1, 1);
    c.scroll->setPageStep(1);
    c.scroll->setValue(1);
    c.scroll->setGeometry(kMargin, y, kCaptionWidth + kBoxWidth, 18);
    fillsItsOwnBackground(c.scroll);
    c.label = new QLabel(QStringLiteral("1"), parent);
    c.label->setObjectName(labelName);
    c.label->setAlignment(Qt::AlignCenter);
    c.label->setGeometry(kMargin + 44, y + 24, 50, 24);
    fillsItsOwnBackground(c.label);
    c.minus = new QPushButton(QStringLiteral("-"), parent);
    c.minus->setObjectName(minusName);
    c.minus->setGeometry(kMargin, y + 24, 40, 24);
    c.plus = new QPushButton(QStringLiteral("+"), parent);
    c.plus->setObjectName(plusName);
    c.plus->setGeometry(kMargin + 98, y + 24, 40, 24);
    return c;
}

}  // namespace ferlo
