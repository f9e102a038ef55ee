#pragma once

#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "editor/window/main_window.h"
#include "support/snapshot.h"

namespace ferlo::testing {

// Selects the whole text of `box` and types `text` over it, key by key, as
// the user does (an empty `text` deletes the text with Backspace).
inline void typeOver(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Backspace);
        return;
    }
    QTest::keyClicks(box, text);
}

// Writes the page of `tab` as <build>/output/<name>.png, the tab open.
inline void saveTabPng(MainWindow& main, ParameterTab tab, const std::string& name) {
    main.setTab(tab);
    QApplication::processEvents();
    saveOutputPng(main.controls().Parameters->grab().toImage(), name);
}

}  // namespace ferlo::testing
