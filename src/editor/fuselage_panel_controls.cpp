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

QLabel* caption(QWidget* parent, const char* text, int x, int y, int w) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(x, y + 2, w, 18);
    return label;
}

}  // namespace

void FuselagePanel::buildControls() {
    QWidget* page = main_.controls().pages[0];

    index = addIndexControls(page, "IndexFusScroll", "IdFusLabel", "IndexFusPlusButton", "IndexFusMinusButton", 0);
    // Plus acts on the press, where the modifier keys are read; the keyboard
    // does not press it.
    index.plus->setFocusPolicy(Qt::NoFocus);
    new PressWatcher(index.plus, [this](Qt::KeyboardModifiers m) { IndexFusPlusButton_MouseDown(m); });

    SectionFrame = placed(new QGroupBox(QStringLiteral("Section properties"), page), "SectionFrame", 0, 52, 196, 80);
    caption(SectionFrame, "Width", 6, 20, 40);
    WidthFuselageText = placed(new QLineEdit(SectionFrame), "WidthFuselageText", 46, 20, 50, 22);
    caption(SectionFrame, "Height", 100, 20, 40);
    HeightFuselageText = placed(new QLineEdit(SectionFrame), "HeightFuselageText", 140, 20, 50, 22);
    caption(SectionFrame, "Elev.", 6, 50, 40);
    ElevationFuselageText = placed(new QLineEdit(SectionFrame), "ElevationFuselageText", 46, 50, 50, 22);
    caption(SectionFrame, "Pos.", 100, 50, 40);
    PosFuselageText = placed(new QLineEdit(SectionFrame), "PosFuselageText", 140, 50, 50, 22);

    Label19 = placed(new QLabel(QStringLiteral("Points"), page), "Label19", 0, 138, 40, 18);
    NbCrossFuselageText = placed(new QLineEdit(page), "NbCrossFuselageText", 42, 136, 40, 22);
    Label6 = placed(new QLabel(QStringLiteral("Offset"), page), "Label6", 92, 138, 40, 18);
    ElevOffsetText = placed(new QLineEdit(page), "ElevOffsetText", 134, 136, 56, 22);

    UniqueCurvatureCheck = placed(new QCheckBox(QStringLiteral("1Curv"), page), "UniqueCurvatureCheck", 144, 170, 56, 18);
    TransparentCheck = placed(new QCheckBox(QStringLiteral("Trans"), page), "TransparentCheck", 144, 194, 56, 18);

    FuselageSectionLabel = placed(new QLabel(QStringLiteral("10"), page), "FuselageSectionLabel", 130, 350, 30, 16);
}

}  // namespace ferlo
