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
#include <QSlider>

#include "document/plane.h"
#include "editor/drawing/canvas_widget.h"
#include "editor/panels/fuselage_panel.h"
#include "editor/window/editor.h"
#include "editor/window/main_controls.h"

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

constexpr int kBoxHeight = kRowHeight - 2;

// A row of the page from height `y`: a short caption and its box, then a
// check box.
QLineEdit* addShortRow(QWidget* page, const char* captionName, const char* caption, const char* boxName,
                       QCheckBox* check, int y) {
    auto* label = placed(new QLabel(QString::fromLatin1(caption), page), captionName, 4, y, 44, kBoxHeight);
    auto* box = placed(new QLineEdit(page), boxName, 48, y, 40, kBoxHeight);
    fillsItsOwnBackground(box);
    label->setBuddy(box);
    check->setGeometry(94, y + 2, 58, 18);
    return box;
}

}  // namespace

// The page from the top, within the visible column in both layout modes:
// the fuselage index on one row; the section frame; the point count and
// the offset, each beside a check box; the VTop offsets frame; the section
// editor group around the section box.
void FuselagePanel::buildControls() {
    MainControls& c = main_.controls();
    QWidget* page = c.pages[0];

    index = addIndexControls(page, "IndexFusScroll", "IdFusLabel", "IndexFusPlusButton", "IndexFusMinusButton", 0);
    index.minus->setGeometry(0, 2, 24, 22);
    index.scroll->setGeometry(26, 5, 82, 16);
    index.plus->setGeometry(110, 2, 24, 22);
    index.label->setGeometry(136, 5, 24, 16);
    // Plus acts on the press, where the modifier keys are read; the keyboard
    // does not press it.
    index.plus->setFocusPolicy(Qt::NoFocus);
    new PressWatcher(index.plus, [this](Qt::KeyboardModifiers m) { IndexFusPlusButton_MouseDown(m); });
    int y = 26;

    SectionFrame = placed(new QGroupBox(QStringLiteral("Section properties"), page), "SectionFrame", 0, y,
                          kRowFrameWidth, rowFrameHeight(4));
    int row = kFirstRowUnderTitle;
    const auto sectionBox = [&](const char* name, const char* caption) {
        return addBoxRow(SectionFrame, QString::fromLatin1(name), QString::fromLatin1(caption),
                         std::exchange(row, row + kRowHeight));
    };
    WidthFuselageText = sectionBox("WidthFuselageText", "Width");
    HeightFuselageText = sectionBox("HeightFuselageText", "Height");
    ElevationFuselageText = sectionBox("ElevationFuselageText", "Elevation");
    PosFuselageText = sectionBox("PosFuselageText", "Position");
    y += SectionFrame->height() + 2;

    UniqueCurvatureCheck = new QCheckBox(QStringLiteral("1Curv"), page);
    UniqueCurvatureCheck->setObjectName("UniqueCurvatureCheck");
    TransparentCheck = new QCheckBox(QStringLiteral("Trans"), page);
    TransparentCheck->setObjectName("TransparentCheck");
    NbCrossFuselageText = addShortRow(page, "Label19", "Points", "NbCrossFuselageText", UniqueCurvatureCheck, y);
    ElevOffsetText = addShortRow(page, "Label6", "Offset", "ElevOffsetText", TransparentCheck, y + kRowHeight);
    y += 2 * kRowHeight + 2;

    c.FuselageVTopFrame->move(0, y);
    y += c.FuselageVTopFrame->height() + 2;

    // The curvature sliders stand flush left of the section box.
    c.DrawSectionArea->move(c.CurvatureSlider->width(), y);
    placeSectionEditorGroup(c);
}

}  // namespace ferlo
