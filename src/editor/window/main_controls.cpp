#include "editor/window/main_controls.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include "editor/drawing/drawing_area.h"
#include "editor/panels/panel_widgets.h"
#include "editor/window/box_frame_cache.h"
#include "editor/window/layout_geometry.h"

namespace ferlo {

const std::array<ToolbarButtonText, 14> kToolbarButtons{{
    {"New", "Reset to the default plane"},
    {"Open", "Open a Ferlo project"},
    {"Save", "Save Ferlo project or export to VRML"},
    {"Print", "Print plans"},
    {"VTop", "Selects the 2D top view"},
    {"Front", "Selects the 2D front view"},
    {"Side", "Selects the 2D side view"},
    {"HTop", "Selects the fuselage top view"},
    {"Palette", "Change the color of the edited element"},
    {"Render", "Swich On/Off real-time rendering"},
    {"Prefs", "Selects units and model scale"},
    {"Manager", "Opens the fuselage manager window"},
    {"FlyingPreview", "Flying Preview"},
    {"Help", "Help File"},
}};

QAction* MainControls::button(const QString& key) const {
    for (const ToolbarButton& b : buttons) {
        if (b.key == key) return b.action;
    }
    return nullptr;
}

namespace {

// The VTop offsets frame has no title: its rows start near its top.
constexpr int kVTopFrameFirstRow = 6;

const QStringList kViewKeys{"VTop", "Front", "Side", "HTop"};
const QStringList kTwoStateKeys{"Render", "FlyingPreview"};

void buildToolbar(QWidget& window, MainControls& c) {
    c.Bar = new QToolBar(&window);
    c.Bar->setObjectName("Bar");
    c.Bar->setMovable(false);
    c.Bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // The view buttons show the current view pressed, one at a time.
    auto* views = new QActionGroup(c.Bar);
    views->setExclusive(true);
    for (const ToolbarButtonText& text : kToolbarButtons) {
        const QString key = QString::fromLatin1(text.key);
        QAction* action = c.Bar->addAction(key == "FlyingPreview" ? QStringLiteral("Flying Preview") : key);
        action->setObjectName(key);
        action->setToolTip(QString::fromLatin1(text.tooltip));
        if (kViewKeys.contains(key)) {
            action->setCheckable(true);
            views->addAction(action);
        }
        if (kTwoStateKeys.contains(key)) action->setCheckable(true);
        c.buttons.push_back({key, action});
    }
    c.Bar->adjustSize();
    c.Bar->move(0, 0);
}

void buildPopup(QWidget& window, MainControls& c) {
    c.Popup = new QMenu(&window);
    c.Popup->setObjectName("Popup");
    const auto item = [&](const char* name, const char* caption) {
        QAction* action = c.Popup->addAction(QString::fromLatin1(caption));
        action->setObjectName(name);
        return action;
    };
    c.Change = item("Change", "Change Direction (Shift + Click)");
    c.InsRem = item("InsRem", "Insert/Remove Section (Ctrl + Click)");
    c.LoadBitmap = item("LoadBitmap", "Load Bitmap (O)");
    c.MoveBitmap = item("MoveBitmap", "Move Bitmap (Alt +Click)");
    c.SizeBitmap = item("SizeBitmap", "Size Bitmap (I)");
    c.LockZoom = item("LockZoom", "Lock Zoom");
    c.ClearBitmap = item("ClearBitmap", "Clear Bitmap");
    c.LockZoom->setCheckable(true);
    c.LockZoom->setEnabled(false);
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QSlider* verticalSlider(QWidget* page, const char* name, int minimum, int maximum, int value, int largeStep) {
    auto* slider = named(new QSlider(Qt::Vertical, page), name);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    slider->setSingleStep(1);
    slider->setPageStep(largeStep);
    return slider;
}

QPushButton* pictureButton(QWidget* page, const char* name, QStyle::StandardPixmap picture) {
    auto* button = named(new QPushButton(page), name);
    button->setIcon(page->style()->standardIcon(picture));
    return button;
}

// The fuselage page's controls that the window itself switches or sizes:
// the cross-section editor (the section box with its sliders, check box,
// scroll bar and smoothing buttons) and the frame of the VTop offsets. The
// fuselage tab places them on its page.
void buildFuselagePage(QWidget* page, MainControls& c) {
    c.FuselageVTopFrame = named(new QGroupBox(page), "FuselageVTopFrame");
    c.PosOffsetText = addBoxRow(c.FuselageVTopFrame, "PosOffsetText", QStringLiteral("Position"), kVTopFrameFirstRow);
    c.ShiftOffsetText = addBoxRow(c.FuselageVTopFrame, "ShiftOffsetText", QStringLiteral("Shift"),
                                  kVTopFrameFirstRow + kRowHeight);
    c.FuselageVTopFrame->resize(kRowFrameWidth, rowFrameHeight(2, kVTopFrameFirstRow));

    c.DrawSectionArea = named(new CanvasWidget(page), "DrawSectionArea");
    c.FuselageScroll = named(new QScrollBar(Qt::Horizontal, page), "FuselageScroll");
    c.FuselageScroll->setRange(1, 3);
    c.FuselageScroll->setValue(1);
    c.FuselageSectionLabel = named(new QLabel(QStringLiteral("10"), page), "FuselageSectionLabel");
    // Both follow the current section, at every hover over another.
    fillsItsOwnBackground(c.FuselageScroll);
    fillsItsOwnBackground(c.FuselageSectionLabel);
    c.CurvatureSlider = verticalSlider(page, "CurvatureSlider", 1, 350, 100, 10);
    c.Curvature2Slider = verticalSlider(page, "Curvature2Slider", 1, 350, 100, 10);
    c.BiasSlider = verticalSlider(page, "BiasSlider", 1, 99, 50, 5);
    c.LinkedCurvaturesCheck = named(new QCheckBox(page), "LinkedCurvaturesCheck");
    c.SmoothTopCommand = pictureButton(page, "SmoothTopCommand", QStyle::SP_ArrowUp);
    c.SmoothDownCommand = pictureButton(page, "SmoothDownCommand", QStyle::SP_ArrowDown);
    c.SmoothWidthCommand = pictureButton(page, "SmoothWidthCommand", QStyle::SP_ArrowRight);

    c.DrawSectionArea->resize(kSectionBoxSize, kSectionBoxSize);
    c.FuselageScroll->resize(0, 16);
    c.FuselageSectionLabel->resize(28, 16);
    c.CurvatureSlider->resize(16, 46);
    c.LinkedCurvaturesCheck->resize(16, 18);
    c.Curvature2Slider->resize(16, 46);
    c.BiasSlider->resize(16, kSectionBoxSize);
    for (QPushButton* smooth : {c.SmoothTopCommand, c.SmoothWidthCommand, c.SmoothDownCommand}) smooth->resize(20, 20);
}

}  // namespace

void placeSectionEditorGroup(MainControls& c) {
    SectionEditorGroup group{layoutRectOf(*c.DrawSectionArea),   layoutRectOf(*c.FuselageScroll),
                             layoutRectOf(*c.CurvatureSlider),   layoutRectOf(*c.LinkedCurvaturesCheck),
                             layoutRectOf(*c.Curvature2Slider),  layoutRectOf(*c.BiasSlider),
                             layoutRectOf(*c.SmoothTopCommand),  layoutRectOf(*c.SmoothWidthCommand),
                             layoutRectOf(*c.SmoothDownCommand), layoutRectOf(*c.FuselageSectionLabel)};
    placeSectionEditor(group);
    place(*c.FuselageScroll, group.fuselageScroll);
    place(*c.CurvatureSlider, group.curvatureSlider);
    place(*c.LinkedCurvaturesCheck, group.linkedCurvaturesCheck);
    place(*c.Curvature2Slider, group.curvature2Slider);
    place(*c.BiasSlider, group.biasSlider);
    place(*c.SmoothTopCommand, group.smoothTop);
    place(*c.SmoothWidthCommand, group.smoothWidth);
    place(*c.SmoothDownCommand, group.smoothDown);
    place(*c.FuselageSectionLabel, group.sectionLabel);
}

MainControls buildMainControls(QWidget& window) {
    cacheBoxFrames();  // before the boxes exist, which are then polished once
    MainControls c;
    c.Main = &window;
    buildToolbar(window, c);

    c.Parameters = named(new QTabWidget(&window), "Parameters");
    // The tabs stand at the left edge, inside the column the views leave free.
    c.Parameters->setTabPosition(QTabWidget::West);
    const char* pageNames[] = {"Fuselage", "Wing", "Stab", "Fin", "Electronics"};
    for (std::size_t i = 0; i < c.pages.size(); ++i) {
        c.pages[i] = new QWidget;
        c.pages[i]->setObjectName(QString::fromLatin1(pageNames[i]) + "Page");
        c.Parameters->addTab(c.pages[i], QString::fromLatin1(pageNames[i]));
    }
    buildFuselagePage(c.pages[0], c);

    c.Logo = named(new QLabel(&window), "Logo");
    c.Logo->setAlignment(Qt::AlignCenter);

    // The views come after the tabs, so they lie over the tabs' right half.
    c.Render = named(new QWidget(&window), "Render");
    c.DrawArea = named(new DrawingArea(&window), "DrawArea");

    buildPopup(window, c);

    c.Timer1 = named(new QTimer(&window), "Timer1");
    c.Timer1->setInterval(10);
    return c;
}

}  // namespace ferlo
