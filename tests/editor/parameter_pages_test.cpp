// The arrangement of the parameter pages in both layout modes: every box on
// its caption's row, every control inside its container and inside the
// column the views leave free, no control over another.

#include <algorithm>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "editor/drawing/drawing_area.h"
#include "editor/window/main_window.h"
#include "support/editor_window.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

// The controls on `parent` at every depth, without the parts Qt builds
// inside a control (a combo box's list, say).
void collectControls(QWidget* parent, std::vector<QWidget*>& controls) {
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->objectName().startsWith("qt_")) continue;
        controls.push_back(child);
        if (qobject_cast<QComboBox*>(child) == nullptr) collectControls(child, controls);
    }
}

std::string describe(const QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName().toStdString();
    if (const auto* label = qobject_cast<const QLabel*>(w)) return "label \"" + label->text().toStdString() + "\"";
    return w->metaObject()->className();
}

QRect rectIn(const QWidget* w, const QWidget* ancestor) { return {w->mapTo(ancestor, QPoint(0, 0)), w->size()}; }

// The caption whose buddy is `box`; none when no caption names it.
const QLabel* captionOf(const QLineEdit* box, const std::vector<QWidget*>& controls) {
    for (const QWidget* w : controls) {
        const auto* label = qobject_cast<const QLabel*>(w);
        if (label != nullptr && label->buddy() == box) return label;
    }
    return nullptr;
}

void expectArranged(MainWindow& main, QWidget* page) {
    const MainControls& c = main.controls();
    EXPECT_TRUE(page->parentWidget()->rect().contains(page->geometry())) << describe(page);
    std::vector<QWidget*> controls;
    collectControls(page, controls);
    std::vector<QWidget*> shown;
    for (QWidget* w : controls) {
        if (w->isVisibleTo(page)) shown.push_back(w);
    }
    for (const QWidget* w : shown) {
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << describe(w) << " is clipped";
        EXPECT_LE(rectIn(w, &main).x() + w->width(), c.DrawArea->x()) << describe(w) << " runs under the views";
        for (const QWidget* other : shown) {
            if (other != w && other->parentWidget() == w->parentWidget() && w < other) {
                EXPECT_FALSE(w->geometry().intersects(other->geometry())) << describe(w) << " and " << describe(other);
            }
        }
        const auto* box = qobject_cast<const QLineEdit*>(w);
        if (box == nullptr) continue;
        const QLabel* caption = captionOf(box, controls);
        if (caption == nullptr) {
            ADD_FAILURE() << describe(box) << " has no caption";
            continue;
        }
        const QRect boxRect = rectIn(box, page);
        const QRect captionRect = rectIn(caption, page);
        EXPECT_TRUE(boxRect.top() <= captionRect.center().y() && captionRect.center().y() <= boxRect.bottom())
            << describe(box) << " is not on the row of " << describe(caption);
        EXPECT_LT(captionRect.right(), boxRect.left()) << describe(caption) << " runs into " << describe(box);
    }
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return count;
}

// Whether `control` fills its own background once the event loop has run
// after its show.
bool filledOnceShown(QWidget* control) {
    return QTest::qWaitFor([control] { return control->autoFillBackground(); }, 2000);
}

// Every box fills its own background, and every control that does looks as
// it would painted over its frame and page.
void expectFillsAsOverTheirFrame(MainWindow& main, QWidget* page) {
    std::vector<QWidget*> controls;
    collectControls(page, controls);
    for (QWidget* control : controls) {
        if (!control->isVisibleTo(page)) continue;
        SCOPED_TRACE(describe(control));
        if (qobject_cast<QLineEdit*>(control) != nullptr) {
            EXPECT_TRUE(filledOnceShown(control));
        }
        if (!control->autoFillBackground()) continue;
        const QRect place = rectIn(control, &main);
        const QImage filled = main.grab(place).toImage();
        control->setAutoFillBackground(false);
        const QImage overFrame = main.grab(place).toImage();
        control->setAutoFillBackground(true);
        EXPECT_EQ(differingPixels(filled, overFrame), 0);
    }
}

// Every tab in both modes, each pictured in the test output.
TEST(ParameterPages, EveryBoxSitsOnItsCaptionsRowInsideItsFrameAndTheColumn) {
    const char* tabNames[] = {"fuselage", "wing", "stab", "fin", "electronics"};
    for (const bool smallFonts : {false, true}) {
        SCOPED_TRACE(smallFonts ? "small fonts" : "normal");
        testing::EditorWindow editor;
        editor.screenOfMode(smallFonts);
        MainWindow& main = editor.start();
        const MainControls& c = main.controls();
        // Shown by a fuselage grab in the VTop view: checked and pictured too.
        c.FuselageVTopFrame->show();
        for (int tab = 0; tab < 5; ++tab) {
            SCOPED_TRACE(tabNames[tab]);
            main.setTab(static_cast<ParameterTab>(tab));
            QApplication::processEvents();
            testing::saveOutputPng(main.grab(c.Parameters->geometry()).toImage(),
                                   std::string("parameters_") + tabNames[tab] + (smallFonts ? "_small_fonts" : ""));
            expectArranged(main, c.pages[static_cast<std::size_t>(tab)]);
            expectFillsAsOverTheirFrame(main, c.pages[static_cast<std::size_t>(tab)]);
        }
    }
}

// The widgets `change` makes Qt paint.
template <typename Change>
std::vector<QWidget*> paintedBy(Change change) {
    struct PaintCounter : QObject {
        std::vector<QWidget*> painted;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint) painted.push_back(static_cast<QWidget*>(watched));
            return false;
        }
    } counter;
    QApplication::instance()->installEventFilter(&counter);
    change();
    QApplication::processEvents();
    QApplication::instance()->removeEventFilter(&counter);
    return counter.painted;
}

// Waits until the window is on the screen and nothing is left to paint.
bool settled(QWidget& window) {
    return QTest::qWaitForWindowExposed(&window) && QTest::qWaitFor([] { return paintedBy([] {}).empty(); }, 2000);
}

// The boxes and the controls that follow the current part fill their own
// background, so a change of their value repaints them alone, not their
// frame, page and tab widget (that they look as painted over them is checked
// on every page above).
TEST(ParameterPages, ControlsRepaintAloneWhenTheirValueChanges) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    const MainControls& c = main.controls();
    main.setTab(ParameterTab::Electronics);
    QApplication::processEvents();
    auto* box = main.findChild<QLineEdit*>("PosServoText");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(filledOnceShown(box));
    ASSERT_TRUE(settled(main));
    EXPECT_EQ(paintedBy([&] { box->setText(box->text() + "1"); }), std::vector<QWidget*>{box});
    // Another section: its values, the section box and the views change,
    // none of the containers.
    main.setTab(ParameterTab::Fuselage);
    QApplication::processEvents();
    ASSERT_TRUE(filledOnceShown(c.FuselageScroll) && filledOnceShown(c.FuselageSectionLabel));
    ASSERT_TRUE(settled(main));
    const std::vector<QWidget*> painted =
        paintedBy([&] { c.FuselageScroll->setValue(c.FuselageScroll->value() == 1 ? 2 : 1); });
    EXPECT_NE(std::find(painted.begin(), painted.end(), c.FuselageSectionLabel), painted.end());
    for (QWidget* w : painted) {
        EXPECT_FALSE(w == &main || w == c.Parameters || w == c.pages[0] || w == c.Parameters->currentWidget()->parentWidget() ||
                     qobject_cast<QGroupBox*>(w) != nullptr)
            << describe(w) << " is painted";
    }
}

}  // namespace
}  // namespace ferlo
