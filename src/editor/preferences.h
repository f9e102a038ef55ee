#pragma once

#include <optional>

#include <QDialog>

#include "editor/editor.h"
#include <QString>

#include "base/units.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ferlo {

class Editor;
class RenderView;
class ViewSetup;

// The preferences window (`Prefs`, "Preferences") and the preferences file
// of the configuration folder. The unit options are the stored preference
// (the file keeps them, start-up and New read them); the unit every length
// of the model is in is the aircraft's own (`Plane::units`). The scale box
// takes a percentage applied once to the whole aircraft.
class Preferences : public QDialog {
public:
    Preferences(Editor& main, ViewSetup& views, RenderView& render);

    // Loading the window at start-up: grown in small-fonts mode, the option
    // of the unit in use selected, the scale box at "100".
    void load(bool smallFonts);

    // Reads the preferences file into the unit options (neither is selected
    // when the file does not say); returns the demonstration state it holds
    // ("" when there is none). A file that cannot be used at all is reported
    // once, with the reason, and read as a missing one.
    QString readAll();
    // Writes the preferences file; a failure is reported to the user and
    // leaves the previous file as it was. A file that could not be used at
    // start-up is left as it is: writing the defaults over it would lose
    // what the user had.
    void writeAll();
    // The inches option is selected.
    bool inchesOption() const;
    // Selects the option of `unit` (a project read names the unit its
    // numbers are in).
    void selectUnitOption(LengthUnit unit);

    // Applies the window: the aircraft converted to the selected unit (none
    // selected: it stays), then rescaled by the scale box when it holds a
    // positive number other than 100; then the section box's zoom, the wing
    // tab opened and filled, the VTop view, the 3D camera reset to pan
    // (0, 0), zoom 200, angles 900 and 200, and the 3D view rebuilt; the
    // window hidden and the scale box back at "100". A conversion or scale
    // that would put a length beyond what a project file holds is refused
    // with a message: nothing changes and the window stays as it is.
    // Start-up and New call it on a fresh aircraft, which stays marked as it
    // was.
    void applyPreferences();
    // The Close button: applies; a conversion or a rescale marks the project
    // unsaved.
    void CloseCommand_Click();
    // The Cancel button (and the window's frame, Escape): nothing is applied;
    // the unit options are as they were when the window was shown and the
    // scale box "100".
    void CancelCommand_Click();

    QRadioButton* InchesOption;
    QRadioButton* MillimetersOption;
    QLineEdit* ScaleText;
    QLabel* SpanLabel;
    QLabel* Image1;
    QPushButton* CloseCommand;
    QPushButton* CancelCommand;

protected:
    // Each activation shows the current wing's span at the typed scale.
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    // The scale factor the box asks for: its number / 100 when that is a
    // positive number, else none.
    std::optional<double> typedScale() const;
    void showSpan();
    void setOptions(bool inches, bool millimeters);
    // Applies, with `markWhenChanged` when the aircraft changed.
    void apply(Effects markWhenChanged);
    // The message refusing a conversion (`converting`) or a `scale` whose
    // result a project file could not hold.
    QString refusal(bool converting, double scale) const;

    Editor& main_;
    ViewSetup& views_;
    RenderView& render_;
    bool leaveFileAsItIs_ = false;
    // The inches and millimetres options as the window was shown with them.
    bool inchesAtShow_ = false;
    bool millimetersAtShow_ = false;
};

}  // namespace ferlo
