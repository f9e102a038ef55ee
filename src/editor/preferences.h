#pragma once

#include <QString>

namespace ferlo {

class MainWindow;

// The preferences: the unit options and the first-use demonstration state,
// kept in the preferences file of the configuration folder, and their window.
class Preferences {
public:
    explicit Preferences(MainWindow& main);

    // Reads the preferences file; returns the demonstration state it holds
    // ("" when there is none).
    QString readAll();
    // Writes the preferences file.
    void writeAll();
    // The inches option is selected.
    bool inchesOption() const;
    // The window's Close command: applies the unit and the scale.
    void CloseCommand_Click();

private:
    [[maybe_unused]] MainWindow& main_;
};

}  // namespace ferlo
