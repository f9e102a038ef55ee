#include "editor/toolbar_commands.h"

#include "editor/fuselage_manager.h"
#include "editor/help.h"
#include "editor/main_window.h"

namespace ferlo {

ToolbarCommands::ToolbarCommands(MainWindow& main) : main_(main) {}

void ToolbarCommands::buttonClick(const QString& key) {
    if (key == "Manager") {
        main_.fuselageManager().exec();
    } else if (key == "Help") {
        main_.help().helpContents();
    }
}

}  // namespace ferlo
