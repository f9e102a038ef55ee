#include "editor/demonstration.h"

#include <cmath>
#include <optional>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "document/plane.h"
#include "editor/drawing_area.h"
#include "editor/drawing_area_input.h"
#include "editor/editor.h"
#include "editor/editor_environment.h"
#include "editor/main_controls.h"
#include "editor/screen_measure.h"
#include "editor/user_dialogs.h"
#include "editor/view_setup.h"

namespace ferlo {

namespace {

const QString kFirstUseTitle = QStringLiteral("First use Help");
constexpr int kGlideInterval = 30;  // ms a glide step

// Ignores the user's mouse, wheel and key input to the widgets of one
// window; other windows (message boxes, menus) take theirs.
class UserInputBlock : public QObject {
public:
    explicit UserInputBlock(QWidget& window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu: {
            auto* widget = qobject_cast<QWidget*>(watched);
            return widget != nullptr && widget->window() == &window_;
        }
        default:
            return false;
        }
    }

private:
    QWidget& window_;
};

// An arrow pointer's picture, its tip at the top-left corner.
QPixmap pointerPixmap() {
    QPixmap picture(13, 21);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    const QPointF arrow[] = {{0.5, 0.5}, {0.5, 16}, {4.5, 12.5}, {7.5, 19.5}, {10, 18.5}, {7, 11.5}, {12, 11.5}};
    painter.drawPolygon(arrow, std::size(arrow));
    return picture;
}

bool isFinite(Point2D p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

Demonstration::Demonstration(Editor& main, ViewSetup& views, DrawingAreaInput& input)
    : Timer2(new QTimer(main.controls().Main)),
      ShiftButton(new QPushButton(QStringLiteral("Shift key"), main.controls().Main)),
      pointerPicture(new QLabel(main.controls().Main)),
      main_(main),
      views_(views),
      input_(input) {
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(kGlideInterval);
    QObject::connect(Timer2, &QTimer::timeout, [this] { Timer2_Timer(); });
    ShiftButton->setObjectName("ShiftButton");
    ShiftButton->hide();
    pointerPicture->setObjectName("DemoPointer");
    pointerPicture->setPixmap(pointerPixmap());
    pointerPicture->resize(pointerPicture->pixmap().size());
    pointerPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    pointerPicture->hide();
}

Demonstration::~Demonstration() = default;

void Demonstration::run() {
    if (running_) return;
    running_ = true;
    ended_ = false;
    inputBlock_ = std::make_unique<UserInputBlock>(*main_.controls().Main);
    qApp->installEventFilter(inputBlock_.get());
    main_.endLongOperation = [this] { end(); };

    UserDialogs& dialogs = main_.dialogs();
    const ViewState& v = main_.state().view;
    const auto message = [&](const QString& text) {
        if (!ended_) dialogs.information(kFirstUseTitle, text);
        return !ended_;
    };
    if (message(QStringLiteral("The following demonstration shows how to use\n"
                               "the Mouse, the Shift and the Control key\n"
                               "The cursor will move AUTOMATICALLY")) &&
        message(QStringLiteral("MOUSE edits ..."))) {
        demoMouseEdit(v.zoom, v.xoff, v.yoff);
    }
    if (message(QStringLiteral("SHIFT button for horizontal moves ..."))) demoShiftMove(v.zoom, v.xoff, v.yoff);
    if (!ended_) {
        main_.setTab(ParameterTab::Fuselage);
        views_.show(ViewKind::Side);
    }
    if (message(QStringLiteral("CTRL key for insert/remove sections ..."))) demoCtrlSection(v.zoom, v.xoff, v.yoff);

    pointerPicture->hide();
    inputBlock_.reset();
    if (!ended_) main_.endLongOperation = nullptr;
    running_ = false;
}

void Demonstration::end() {
    ended_ = true;
    Timer2->stop();
    if (waiting_ != nullptr) waiting_->quit();
    main_.controls().Popup->close();
    ShiftButton->hide();
    main_.endLongOperation = nullptr;
}

Point2D Demonstration::screenCentre() const {
    const QSize screen = main_.environment().screen.screenSize();
    return {screen.width() / 2.0, screen.height() / 2.0};
}

// Through the window system: the point lands on the drawing-area point
// wherever the window stands.
QPoint Demonstration::screenPointOf(Point2D p) const {
    return main_.controls().DrawArea->mapToGlobal(QPoint(glidePixel(p.x), glidePixel(p.y)));
}

// The middle of wing panel 1's tip chord in the VTop view.
Point2D Demonstration::tipMiddle(double zoom, double xoff, double yoff) const {
    const SymWingSections& w = main_.plane().mainWing.wing(1);
    return {(w.span + w.shift) * zoom + xoff, (w.pos1 + w.pos2 + w.length2 / 2) * zoom + yoff};
}

void Demonstration::showKey(const QString& caption, const QPoint& screen) {
    ShiftButton->setText(caption);
    ShiftButton->move(main_.controls().Main->mapFromGlobal(screen));
    ShiftButton->show();
    ShiftButton->raise();
}

std::optional<QPoint> Demonstration::glideOnto(Point2D p) {
    if (!isFinite(p) || ended_) return std::nullopt;
    const QPoint s = screenPointOf(p);
    const Point2D c = screenCentre();
    moveMouseTo(c.x, c.y, false);
    moveMouseTo(s.x(), s.y(), true);
    if (ended_) return std::nullopt;
    return s;
}

bool Demonstration::dragTo(Point2D p, const QPoint& to, bool* modifier) {
    DrawingAreaInput& input = input_;
    if (modifier != nullptr) *modifier = true;
    input.mouseDown(0, 0, p.x, p.y);
    moveMouseTo(to.x(), to.y(), true);
    if (ended_) return false;
    if (modifier != nullptr) *modifier = false;
    input.mouseUp(0, 0, p.x, p.y);
    return true;
}

void Demonstration::demoMouseEdit(double zoom, double xoff, double yoff) {
    const Point2D p = tipMiddle(zoom, xoff, yoff);
    const std::optional<QPoint> s = glideOnto(p);
    if (!s || !dragTo(p, *s + QPoint(0, 50), nullptr)) return;
    moveMouseTo(s->x() + 10, s->y(), true);
}

void Demonstration::demoShiftMove(double zoom, double xoff, double yoff) {
    const Point2D p = tipMiddle(zoom, xoff, yoff);
    const std::optional<QPoint> s = glideOnto(p);
    if (!s) return;
    // The key's picture at the screen's middle, level with the press.
    showKey(QStringLiteral("Shift key"), QPoint(glidePixel(screenCentre().x), s->y()));
    if (!dragTo(p, *s - QPoint(50, 0), &main_.state().view.shiftkey)) return;
    moveMouseTo(s->x() + 60, s->y() + 10, true);
    ShiftButton->hide();
}

void Demonstration::demoCtrlSection(double zoom, double xoff, double yoff) {
    if (ended_) return;
    MeshSections& fuselage = main_.plane().fuselages.current();
    fuselage.sel_sec = 2;
    main_.setTab(ParameterTab::Fuselage);
    const Point2D p{fuselage.posGet() * zoom + xoff - 20,
                    yoff - (fuselage.elevationGet() + fuselage.heightGet() / 2) * zoom};
    const std::optional<QPoint> s = glideOnto(p);
    if (!s) return;
    showKey(QStringLiteral("Ctrl key"), *s);
    if (!dragTo(p, *s + QPoint(0, 20), &main_.state().view.ctrlkey)) return;
    moveMouseTo(s->x() + 60, s->y(), true);
    ShiftButton->hide();
    if (ended_) return;
    // The popup at the pointer; the demonstration ends when it closes.
    main_.controls().Popup->exec(QPoint(glidePixel(demoLast_.x), glidePixel(demoLast_.y)));
}

void Demonstration::moveMouseTo(double x, double y, bool glide) {
    if (glide) glideCursor(demoLast_, {x, y});
    demoLast_ = {x, y};
}

void Demonstration::glideCursor(Point2D from, Point2D to) {
    if (ended_) return;
    glide_ = {from, to};
    pointerTo(from);
    Timer2->start();
    QEventLoop loop;
    waiting_ = &loop;
    loop.exec();
    waiting_ = nullptr;
}

void Demonstration::Timer2_Timer() {
    if (glide_.step()) {
        pointerTo(glide_.cursor);
        main_.follow(Effects::Rebuild3D);
        return;
    }
    Timer2->stop();
    if (waiting_ != nullptr) waiting_->quit();
}

// The real pointer moves where the platform lets it, else the pointer's
// picture; a position over the drawing area reaches it as a move with no
// button held, as the real pointer's own move would.
void Demonstration::pointerTo(Point2D position) {
    const QPoint screen(glidePixel(position.x), glidePixel(position.y));
    if (main_.environment().movePointer(screen)) {
        pointerPicture->hide();
    } else {
        pointerPicture->move(main_.controls().Main->mapFromGlobal(screen));
        pointerPicture->show();
        pointerPicture->raise();
    }
    DrawingArea& area = *main_.controls().DrawArea;
    const QPoint local = area.mapFromGlobal(screen);
    if (area.rect().contains(local)) input_.mouseMove(0, 0, local.x(), local.y());
}

}  // namespace ferlo
