#include "editor/panels/fuselage_manager.h"

#include <string>
#include <vector>

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "support/editor_window.h"
#include "support/snapshot.h"

namespace ferlo {
namespace {

using Row = std::vector<QString>;

std::vector<Row> rowsOf(const FuselageManager& manager) {
    std::vector<Row> rows;
    for (int i = 0; i < manager.ListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = manager.ListView->topLevelItem(i);
        rows.push_back({item->text(0), item->text(1), item->text(2)});
    }
    return rows;
}

void select(FuselageManager& manager, std::initializer_list<int> rows) {
    manager.ListView->clearSelection();
    for (int row : rows) manager.ListView->topLevelItem(row - 1)->setSelected(true);
}

void addFuselage(Plane& plane) { plane.fuselages.addFuselage(false, plane.units, plane.defaultColor); }

// The started editor with three fuselages, the first one current, listed by the manager.
MainWindow& startWithThreeFuselages(testing::EditorWindow& editor) {
    MainWindow& main = editor.start();
    addFuselage(main.plane());
    addFuselage(main.plane());
    main.plane().fuselages.currentFuselage = 1;
    main.fuselageManager().update();
    return main;
}

TEST(FuselageManager, ThreeDigitNumbers) {
    EXPECT_EQ(threeDigits(1), "001");
    EXPECT_EQ(threeDigits(12), "012");
    EXPECT_EQ(threeDigits(123), "123");
    EXPECT_EQ(threeDigits(1234), "1234");
}

// Rows follow the fuselage list: new fuselages get shown rows at the end,
// surplus rows go from the end, surviving rows keep their flags, and every
// row shows its fuselage's section count. A re-added fuselage is shown
// again, whatever the removed one was.
TEST(FuselageManager, UpdateGrowsAndShrinksWithTheFuselageList) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    Plane& plane = main.plane();
    FuselageManager& manager = main.fuselageManager();
    EXPECT_EQ(rowsOf(manager), (std::vector<Row>{{"Fuselage 001", "Shown", "003"}}));

    for (int i = 0; i < 3; ++i) addFuselage(plane);
    manager.update();
    select(manager, {2, 3});
    manager.HideCommand_Click();
    plane.fuselages.fuselage(1).sel_sec = 2;
    plane.fuselages.fuselage(1).insertSection(main.state().view);
    manager.update();
    EXPECT_EQ(rowsOf(manager), (std::vector<Row>{{"Fuselage 001", "Shown", "004"},
                                                 {"Fuselage 002", "Hidden", "003"},
                                                 {"Fuselage 003", "Hidden", "003"},
                                                 {"Fuselage 004", "Shown", "003"}}));

    plane.fuselages.removeLastFuselage();
    plane.fuselages.removeLastFuselage();
    manager.update();
    addFuselage(plane);
    manager.update();
    EXPECT_EQ(rowsOf(manager), (std::vector<Row>{{"Fuselage 001", "Shown", "004"},
                                                 {"Fuselage 002", "Hidden", "003"},
                                                 {"Fuselage 003", "Shown", "003"}}));
}

// Show and Hide set the selected rows' flags in the fuselage list (a change
// marks the project unsaved) and rebuild the 3D view, also with no row
// selected; show-all shows them all.
TEST(FuselageManager, ShowHideAndShowAllRenderTheSceneAnew) {
    testing::EditorWindow editor;
    MainWindow& main = startWithThreeFuselages(editor);
    Plane& plane = main.plane();
    FuselageManager& manager = main.fuselageManager();
    const int before = editor.render->count("rebuild");

    // A flag set as it was changes nothing of the project.
    select(manager, {1, 3});
    manager.ShowCommand_Click();
    EXPECT_TRUE(main.state().savedProject);
    manager.HideCommand_Click();
    EXPECT_FALSE(main.state().savedProject);
    EXPECT_FALSE(plane.fuselages.shown(1));
    EXPECT_TRUE(plane.fuselages.shown(2));
    EXPECT_FALSE(plane.fuselages.shown(3));
    select(manager, {3});
    manager.ShowCommand_Click();
    EXPECT_TRUE(plane.fuselages.shown(3));
    select(manager, {});
    manager.HideCommand_Click();
    EXPECT_FALSE(plane.fuselages.shown(1));
    EXPECT_TRUE(plane.fuselages.shown(2));
    EXPECT_EQ(editor.render->count("rebuild"), before + 4);

    manager.showAll();
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(plane.fuselages.shown(i));
    EXPECT_EQ(rowsOf(manager)[0][1], "Shown");
    EXPECT_EQ(editor.render->count("rebuild"), before + 5);
}

// Close (or a double-click) makes the selected row's fuselage current, a
// hidden one too, and redraws the view; with no row selected, or closed by
// its frame, the current fuselage stays.
TEST(FuselageManager, ClosePicksTheSelectedFuselageEvenAHiddenOne) {
    testing::EditorWindow editor;
    MainWindow& main = startWithThreeFuselages(editor);
    Plane& plane = main.plane();
    FuselageManager& manager = main.fuselageManager();
    manager.show();
    select(manager, {2});
    manager.HideCommand_Click();
    manager.ListView->setCurrentItem(manager.ListView->topLevelItem(1));
    main.state().view.zoom = 99;  // a redraw fits the view again
    manager.CloseCommand_Click();
    EXPECT_FALSE(manager.isVisible());
    EXPECT_EQ(plane.fuselages.currentFuselage, 2);
    EXPECT_NE(main.state().view.zoom, 99);

    manager.show();
    select(manager, {});
    manager.CloseCommand_Click();
    EXPECT_EQ(plane.fuselages.currentFuselage, 2);

    manager.show();
    select(manager, {3});
    manager.reject();
    EXPECT_FALSE(manager.isVisible());
    EXPECT_EQ(plane.fuselages.currentFuselage, 2);

    manager.show();
    QTreeWidgetItem* third = manager.ListView->topLevelItem(2);
    const QPoint centre = manager.ListView->visualItemRect(third).center();
    QTest::mouseClick(manager.ListView->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(manager.ListView->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(plane.fuselages.currentFuselage, 3);
    EXPECT_FALSE(manager.isVisible());
}

// The toolbar's Manager button shows the window modally; it lists the
// fuselages as they are when it opens.
TEST(FuselageManager, TheManagerButtonShowsTheWindowModally) {
    testing::EditorWindow editor;
    MainWindow& main = editor.start();
    addFuselage(main.plane());
    std::vector<Row> shownRows;
    QTimer::singleShot(0, [&] {
        FuselageManager& manager = main.fuselageManager();
        shownRows = rowsOf(manager);
        testing::saveOutputPng(manager.grab().toImage(), "fuselage_manager");
        select(manager, {1});
        QTest::mouseClick(manager.CloseCommand, Qt::LeftButton);
    });
    main.Bar_ButtonClick("Manager");
    EXPECT_EQ(shownRows.size(), 2u);
    EXPECT_EQ(main.plane().fuselages.currentFuselage, 1);
    EXPECT_FALSE(main.fuselageManager().isVisible());
}

// The window opens as wide as its columns need, each column as wide as its
// heading and texts: no horizontal scroll bar, also with a vertical one
// beside a long list.
TEST(FuselageManager, OpensWideEnoughForItsColumns) {
    for (const int fuselages : {1, 20}) {
        SCOPED_TRACE(fuselages);
        testing::EditorWindow editor;
        MainWindow& main = editor.start();
        for (int i = 1; i < fuselages; ++i) addFuselage(main.plane());
        QTimer::singleShot(0, [&] {
            FuselageManager& manager = main.fuselageManager();
            QTreeWidget& list = *manager.ListView;
            // Once the list is laid out: nothing to scroll sideways.
            EXPECT_TRUE(QTest::qWaitFor([&] { return !list.horizontalScrollBar()->isVisible(); }, 2000));
            EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);
            EXPECT_EQ(list.verticalScrollBar()->maximum() > 0, fuselages > 1);
            for (int column = 0; column < list.columnCount(); ++column) {
                const QString text = list.topLevelItem(0)->text(column);
                EXPECT_GT(list.header()->sectionSize(column), list.fontMetrics().horizontalAdvance(text)) << column;
                EXPECT_GE(list.header()->sectionSize(column), list.header()->sectionSizeHint(column)) << column;
            }
            testing::saveOutputPng(manager.grab().toImage(), "fuselage_manager_" + std::to_string(fuselages));
            manager.reject();
        });
        main.Bar_ButtonClick("Manager");
    }
}

}  // namespace
}  // namespace ferlo
