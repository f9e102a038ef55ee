#pragma once

#include <array>
#include <vector>

#include <QString>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QSlider;
class QTabWidget;
class QTimer;
class QToolBar;
class QWidget;

namespace ferlo {

class CanvasWidget;
class DrawingArea;

// The main window's named controls, created in one place (buildMainControls)
// and reached by name everywhere else. The parameter pages are containers:
// each panel fills its own page. Positions inside a page are the page's own.
struct MainControls {
    // The main window itself, which the controls stand on.
    QWidget* Main = nullptr;

    // The toolbar and its buttons, left to right, by key ("New", "Open", ...).
    QToolBar* Bar = nullptr;
    struct ToolbarButton {
        QString key;
        QAction* action;
    };
    std::vector<ToolbarButton> buttons;
    QAction* button(const QString& key) const;

    // The parameter tabs: 0 fuselage, 1 wing, 2 stabiliser, 3 fin, 4 electronics.
    QTabWidget* Parameters = nullptr;
    std::array<QWidget*, 5> pages{};

    QLabel* Logo = nullptr;
    DrawingArea* DrawArea = nullptr;
    // The 3D box: the 3D view fills it.
    QWidget* Render = nullptr;

    // The drawing area's popup menu and its items, in menu order.
    QMenu* Popup = nullptr;
    QAction* Change = nullptr;
    QAction* InsRem = nullptr;
    QAction* LoadBitmap = nullptr;
    QAction* MoveBitmap = nullptr;
    QAction* SizeBitmap = nullptr;
    QAction* LockZoom = nullptr;
    QAction* ClearBitmap = nullptr;

    // On the fuselage page: the cross-section editor group, the smoothing
    // buttons and the frame of the fuselage's offsets in the VTop view. The
    // section box is kSectionBoxSize square.
    CanvasWidget* DrawSectionArea = nullptr;
    QScrollBar* FuselageScroll = nullptr;
    QLabel* FuselageSectionLabel = nullptr;  // the selected section's number
    QSlider* CurvatureSlider = nullptr;
    QSlider* Curvature2Slider = nullptr;
    QSlider* BiasSlider = nullptr;
    QCheckBox* LinkedCurvaturesCheck = nullptr;
    QPushButton* SmoothTopCommand = nullptr;
    QPushButton* SmoothDownCommand = nullptr;
    QPushButton* SmoothWidthCommand = nullptr;
    QGroupBox* FuselageVTopFrame = nullptr;
    QLineEdit* PosOffsetText = nullptr;
    QLineEdit* ShiftOffsetText = nullptr;

    // The one-shot start-up timer.
    QTimer* Timer1 = nullptr;
};

// The toolbar's buttons: key and tooltip, left to right.
struct ToolbarButtonText {
    const char* key;
    const char* tooltip;
};
extern const std::array<ToolbarButtonText, 14> kToolbarButtons;

inline constexpr int kSectionBoxSize = 100;

// Creates every named control on `window`; the panels place those on their pages.
MainControls buildMainControls(QWidget& window);

// Places the cross-section editor group around the section box as it now
// stands (placeSectionEditor).
void placeSectionEditorGroup(MainControls& c);

}  // namespace ferlo
