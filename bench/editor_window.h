#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "editor/drawing/drawing_area.h"
#include "editor/drawing/qt_palette.h"
#include "editor/window/editor_environment.h"
#include "editor/window/main_window.h"
#include "editor/window/render_view.h"
#include "editor/window/scene_view_host.h"
#include "editor/window/screen_measure.h"
#include "editor/window/start_up.h"
#include "support/recording_canvas.h"
#include "support/scripted_dialogs.h"

namespace ferlo::bench {

// Runs the event loop until what the windows were asked to paint is painted
// and handed to the window system (a widget's repaint is a posted event,
// and a flush of the drawing area may post one more).
inline void flushWindows() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Lines as a canvas recorded them, without the white ones (erasures).
inline std::vector<RecordingCanvas::Segment> shownLines(const RecordingCanvas& canvas) {
    std::vector<RecordingCanvas::Segment> lines;
    for (const RecordingCanvas::Segment& s : canvas.segments()) {
        if (s.color != kWhite) lines.push_back(s);
    }
    return lines;
}

// A plain window that paints lines with one painter: what showing those
// lines costs at the least, the baseline of the editor's measures.
class PlainWindow : public QWidget {
public:
    explicit PlainWindow(QSize size) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(size);
        show();
    }
    // Shows `lines` at the next flush: the window painted anew where they lie.
    void showLines(const std::vector<RecordingCanvas::Segment>& lines) {
        lines_ = &lines;
        QRectF bounds;
        for (const RecordingCanvas::Segment& s : lines) bounds |= QRectF(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2)).normalized();
        update(bounds.toAlignedRect().adjusted(-2, -2, 2, 2));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        if (lines_ == nullptr) return;
        PaletteColor color = -1;
        for (const RecordingCanvas::Segment& s : *lines_) {
            if (s.color != color) {
                color = s.color;
                painter.setPen(QPen(qtColor(color), 0));
            }
            painter.drawLine(QLineF(s.x1, s.y1, s.x2, s.y2));
        }
    }

private:
    const std::vector<RecordingCanvas::Segment>* lines_ = nullptr;
};

// The editor as the program starts it, with its real 3D view, scripted
// dialogs and a configuration folder of its own, driven by events sent to
// its window.
class EditorUnderBench {
public:
    explicit EditorUnderBench(const std::filesystem::path& config)
        : env_{dialogs_, screen_, {QString::fromStdString(config.string()), QString()},
               [this](Plane& plane, QWidget& box) { return createSceneView(plane, box, dialogs_); },
               {},
               [](const QPoint&) { return false; }} {
        std::filesystem::create_directories(config);
        main_ = startUp(env_);
        // The start-up timer's tick ends the start.
        QElapsedTimer waited;
        waited.start();
        while (main_->controls().Timer1->isActive() && waited.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        // Hovers reach the drawing area of the active window only: asked
        // again while it is not (the first request may come before the
        // window is mapped).
        waited.restart();
        while (!main_->isActiveWindow() && waited.elapsed() < 10000) {
            main_->activateWindow();
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        flushWindows();
    }

    MainWindow& main() { return *main_; }
    DrawingArea& area() { return *main_->controls().DrawArea; }
    testing::ScriptedDialogs& dialogs() { return dialogs_; }

    // A mouse event at `at` in the drawing area, sent to the native window
    // the window system gives it to: the drawing area's own when it has one,
    // else its window's.
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QWidget& target = area().internalWinId() != 0 ? area() : *area().nativeParentWidget();
        const QPointF local = &target == &area() ? at : QPointF(area().mapTo(&target, QPoint(0, 0))) + at;
        QMouseEvent event(type, local, QPointF(target.mapToGlobal(QPoint(0, 0))) + local, button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(target.windowHandle(), &event);
    }
    void move(QPointF at, Qt::MouseButtons buttons = Qt::NoButton) {
        mouse(QEvent::MouseMove, at, Qt::NoButton, buttons);
    }
    void press(QPointF at) { mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void release(QPointF at) { mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }

private:
    testing::ScriptedDialogs dialogs_;
    QtScreenMeasure screen_;
    EditorEnvironment env_;
    std::unique_ptr<MainWindow> main_;
};

}  // namespace ferlo::bench
