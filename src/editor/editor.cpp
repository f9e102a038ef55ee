#include "editor/editor.h"

#include <QTabWidget>

#include "editor/main_controls.h"

namespace ferlo {

ParameterTab Editor::tab() { return static_cast<ParameterTab>(controls().Parameters->currentIndex()); }

void Editor::setTab(ParameterTab tab) { controls().Parameters->setCurrentIndex(static_cast<int>(tab)); }

}  // namespace ferlo
