// The fuselage tab's own controls, placed on its page around the section
// editor group and the VTop offsets frame that the window builds.

#include <functional>
#include <utility>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "editor/fuselage_panel.h"
#include "editor/main_window.h"

namespace ferlo {

namespace {

// Reports every mouse press on the watched button, of any mouse button, with
// the modifier keys held (the second press of a double click too).
class PressWatcher : public QObject {
public:
    PressWatcher(QObject* button, std::function<void(Qt::KeyboardModifiers)> onPress)
        : QObject(button), onPress_(std::move(onPress)) {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            onPress_(static_cast<QMouseEvent*>(event)->modifiers());
        }
        return false;
    }

private:
    std::function<void(Qt::KeyboardModifiers)> onPress_;
};

template <typename Widget>
Widget* placed(Widget* widget, const char* name, int x, int y, int w, int h) {
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

void caption(QWidget* parent, const char* text, int x, int y, int w) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(x, y, w, 16);
}

}  // namespace

// Rows from the top, within the visible column also in small-fonts mode: the
// fuselage index on one row, the section frame (captions above the boxes, so
// its boxes keep their places when small-fonts mode moves them right), the
// point count and offset, the two option check boxes; then the VTop frame
// and the section editor group.
void FuselagePanel::buildControls() {
    QWidget* page = main_.controls().pages[0];

    index = addIndexControls(page, "IndexFusScroll", "IdFusLabel", "IndexFusPlusButton", "IndexFusMinusButton", 0);
    index.minus->setGeometry(0, 2, 24, 22);
    index.scroll->setGeometry(26, 5, 82, 16);
    index.plus->setGeometry(110, 2, 24, 22);
    index.label->setGeometry(136, 5, 24, 16);
    // Plus acts on the press, where the modifier keys are read; the keyboard
    // does not press it.
    index.plus->setFocusPolicy(Qt::NoFocus);
    new PressWatcher(index.plus, [this](Qt::KeyboardModifiers m) { IndexFusPlusButton_MouseDown(m); });

    SectionFrame = placed(new QGroupBox(QStringLiteral("Section properties"), page), "SectionFrame", 0, 28, 134, 104);
    const auto sectionBox = [&](const char* name, const char* text, int x, int y) {
        caption(SectionFrame, text, x, y, 56);
        return placed(new QLineEdit(SectionFrame), name, x, y + 16, 56, 22);
    };
    WidthFuselageText = sectionBox("WidthFuselageText", "Width", 6, 16);
    HeightFuselageText = sectionBox("HeightFuselageText", "Height", 70, 16);
    ElevationFuselageText = sectionBox("ElevationFuselageText", "Elevation", 6, 56);
    PosFuselageText = sectionBox("PosFuselageText", "Position", 70, 56);

    Label19 = placed(new QLabel(QStringLiteral("Points"), page), "Label19", 0, 140, 40, 18);
    NbCrossFuselageText = placed(new QLineEdit(page), "NbCrossFuselageText", 40, 138, 40, 22);
    Label6 = placed(new QLabel(QStringLiteral("Offset"), page), "Label6", 86, 140, 40, 18);
    ElevOffsetText = placed(new QLineEdit(page), "ElevOffsetText", 124, 138, 40, 22);

    UniqueCurvatureCheck = placed(new QCheckBox(QStringLiteral("1Curv"), page), "UniqueCurvatureCheck", 0, 162, 64, 18);
    TransparentCheck = placed(new QCheckBox(QStringLiteral("Trans"), page), "TransparentCheck", 70, 162, 64, 18);
}

}  // namespace ferlo
