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

// A button that reports every mouse press, of any button, with the modifier
// keys held; the keyboard does not press it.
class PressButton : public QPushButton {
public:
    PressButton(const QString& text, QWidget* parent, std::function<void(Qt::KeyboardModifiers)> onPress)
        : QPushButton(text, parent), onPress_(std::move(onPress)) {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QPushButton::mousePressEvent(event);
        onPress_(event->modifiers());
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

    IndexFusMinusButton = placed(new QPushButton(QStringLiteral("-"), page), "IndexFusMinusButton", 0, 2, 22, 22);
    IndexFusScroll = placed(new QScrollBar(Qt::Horizontal, page), "IndexFusScroll", 24, 5, 96, 16);
    IndexFusScroll->setRange(1, 1);
    IndexFusScroll->setValue(1);
    IndexFusPlusButton = placed(new PressButton(QStringLiteral("+"), page,
                                                [this](Qt::KeyboardModifiers m) { IndexFusPlusButton_MouseDown(m); }),
                                "IndexFusPlusButton", 122, 2, 22, 22);
    IdFusLabel = placed(new QLabel(QStringLiteral("1"), page), "IdFusLabel", 150, 5, 30, 16);

    SectionFrame = placed(new QGroupBox(QStringLiteral("Section properties"), page), "SectionFrame", 0, 28, 196, 80);
    caption(SectionFrame, "Width", 6, 20, 40);
    WidthFuselageText = placed(new QLineEdit(SectionFrame), "WidthFuselageText", 46, 20, 50, 22);
    caption(SectionFrame, "Height", 100, 20, 40);
    HeightFuselageText = placed(new QLineEdit(SectionFrame), "HeightFuselageText", 140, 20, 50, 22);
    caption(SectionFrame, "Elev.", 6, 50, 40);
    ElevationFuselageText = placed(new QLineEdit(SectionFrame), "ElevationFuselageText", 46, 50, 50, 22);
    caption(SectionFrame, "Pos.", 100, 50, 40);
    PosFuselageText = placed(new QLineEdit(SectionFrame), "PosFuselageText", 140, 50, 50, 22);

    Label19 = placed(new QLabel(QStringLiteral("Points"), page), "Label19", 0, 118, 40, 18);
    NbCrossFuselageText = placed(new QLineEdit(page), "NbCrossFuselageText", 42, 116, 40, 22);
    Label6 = placed(new QLabel(QStringLiteral("Offset"), page), "Label6", 92, 118, 40, 18);
    ElevOffsetText = placed(new QLineEdit(page), "ElevOffsetText", 134, 116, 56, 22);

    UniqueCurvatureCheck = placed(new QCheckBox(QStringLiteral("1Curv"), page), "UniqueCurvatureCheck", 144, 166, 56, 18);
    TransparentCheck = placed(new QCheckBox(QStringLiteral("Trans"), page), "TransparentCheck", 144, 190, 56, 18);

    FuselageSectionLabel = placed(new QLabel(QStringLiteral("10"), page), "FuselageSectionLabel", 130, 350, 30, 16);
}

}  // namespace ferlo
