#pragma once

#include <QString>

namespace ferlo {

class MainWindow;

// The toolbar's commands: every button click arrives here with the button's key.
class ToolbarCommands {
public:
    explicit ToolbarCommands(MainWindow& main);

    // The command of the button `key`; a key that names no command does nothing.
    void buttonClick(const QString& key);

private:
    MainWindow& main_;
};

}  // namespace ferlo
