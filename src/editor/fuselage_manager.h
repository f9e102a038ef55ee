#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class QTreeWidget;

namespace ferlo {

class Editor;

// A whole number with at least three digits, zero-filled on the left ("003").
QString threeDigits(int n);

// The fuselage manager (`ObjectList`): one row per fuselage with its name,
// "Shown" or "Hidden", and its section count. The shown flags live in the
// fuselage list; the rows show them and the buttons set them. Closing the
// window makes the selected row's fuselage the current one.
class FuselageManager : public QDialog {
public:
    explicit FuselageManager(Editor& main);

    // Makes the rows match the fuselage list (rows for new fuselages at the
    // end, surplus rows removed from the end) and refreshes every row's texts.
    void update();
    // Every fuselage shown; the 3D view is rebuilt.
    void showAll();

    // Show and Hide set the flag of every selected row, then redraw the 2D
    // view and rebuild the 3D view, whether or not a row was selected.
    void ShowCommand_Click();
    void HideCommand_Click();
    // Hides the window; the selected row's fuselage (hidden or not) becomes
    // the current one, or the current one stays when no row is selected;
    // then the 2D view and the fuselage panel are refreshed. A double-click
    // in the list does the same.
    void CloseCommand_Click();

    // Closing by the window's frame or Escape keeps the current fuselage and
    // refreshes the 2D view.
    void reject() override;

    QTreeWidget* ListView;
    QPushButton* ShowCommand;
    QPushButton* HideCommand;
    QPushButton* CloseCommand;

protected:
    // Each activation brings the rows up to date and sizes the window to
    // its columns.
    void showEvent(QShowEvent* event) override;

private:
    void setSelectedShown(bool shown);
    void fitColumns();
    int selectedRow() const;  // 1-based, 0 for none
    void closeWindow(bool pickSelected);

    Editor& main_;
};

}  // namespace ferlo
