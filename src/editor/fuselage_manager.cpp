#include "editor/fuselage_manager.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "document/plane.h"
#include "editor/editor.h"
#include "editor/main_controls.h"

namespace ferlo {

namespace {
enum Column { kId = 0, kStatus = 1, kSections = 2 };
}  // namespace

QString threeDigits(int n) { return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')); }

FuselageManager::FuselageManager(Editor& main)
    : QDialog(main.controls().Main),
      ListView(new QTreeWidget(this)),
      ShowCommand(new QPushButton(this)),
      HideCommand(new QPushButton(this)),
      CloseCommand(new QPushButton(QStringLiteral("Close"), this)),
      main_(main) {
    setObjectName("ObjectList");
    setWindowTitle(QStringLiteral("Fuselage Manager"));
    ListView->setObjectName("ListView");
    ListView->setHeaderLabels({QStringLiteral("Id"), QStringLiteral("Status"), QStringLiteral("Sections")});
    ListView->setRootIsDecorated(false);
    ListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ShowCommand->setObjectName("ShowCommand");
    ShowCommand->setIcon(style()->standardIcon(QStyle::SP_DialogYesButton));
    ShowCommand->setToolTip(QStringLiteral("Show"));
    HideCommand->setObjectName("HideCommand");
    HideCommand->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
    HideCommand->setToolTip(QStringLiteral("Hide"));
    CloseCommand->setObjectName("CloseCommand");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ShowCommand);
    buttons->addWidget(HideCommand);
    buttons->addStretch();
    buttons->addWidget(CloseCommand);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView);
    layout->addLayout(buttons);
    resize(320, 240);

    connect(ShowCommand, &QPushButton::clicked, this, [this] { ShowCommand_Click(); });
    connect(HideCommand, &QPushButton::clicked, this, [this] { HideCommand_Click(); });
    connect(CloseCommand, &QPushButton::clicked, this, [this] { CloseCommand_Click(); });
    connect(ListView, &QTreeWidget::itemDoubleClicked, this, [this] { CloseCommand_Click(); });
    update();
}

void FuselageManager::update() {
    const FuselageList& fuselages = main_.plane().fuselages;
    const int count = fuselages.nbFuselages();
    while (ListView->topLevelItemCount() < count) ListView->addTopLevelItem(new QTreeWidgetItem);
    while (ListView->topLevelItemCount() > count) delete ListView->takeTopLevelItem(count);
    for (int i = 1; i <= count; ++i) {
        QTreeWidgetItem* row = ListView->topLevelItem(i - 1);
        row->setText(kId, QString::fromStdString(fuselages.rowText(i)));
        row->setText(kStatus, fuselages.shown(i) ? QStringLiteral("Shown") : QStringLiteral("Hidden"));
        row->setText(kSections, threeDigits(fuselages.fuselage(i).nb_sections));
    }
}

void FuselageManager::showAll() {
    main_.edit([&] { main_.plane().fuselages.showAll(); }, Effects::ManagerRows | Effects::Rebuild3D);
}

void FuselageManager::ShowCommand_Click() { setSelectedShown(true); }

void FuselageManager::HideCommand_Click() { setSelectedShown(false); }

void FuselageManager::setSelectedShown(bool shown) {
    main_.edit(
        [&] {
            FuselageList& fuselages = main_.plane().fuselages;
            Effects changed = Effects::None;
            for (int i = 1; i <= ListView->topLevelItemCount() && i <= fuselages.nbFuselages(); ++i) {
                if (!ListView->topLevelItem(i - 1)->isSelected() || fuselages.shown(i) == shown) continue;
                fuselages.setShown(i, shown);
                changed = Effects::Unsaved;  // the flags are part of the project
            }
            return changed;
        },
        // The 2D views leave hidden fuselages out.
        Effects::ManagerRows | Effects::RedrawView | Effects::Rebuild3D);
}

int FuselageManager::selectedRow() const {
    QTreeWidgetItem* current = ListView->currentItem();
    if (current != nullptr && current->isSelected()) return ListView->indexOfTopLevelItem(current) + 1;
    const QList<QTreeWidgetItem*> selected = ListView->selectedItems();
    return selected.isEmpty() ? 0 : ListView->indexOfTopLevelItem(selected.front()) + 1;
}

void FuselageManager::CloseCommand_Click() { closeWindow(true); }

void FuselageManager::closeWindow(bool pickSelected) {
    hide();
    FuselageList& fuselages = main_.plane().fuselages;
    const int row = selectedRow();
    if (pickSelected && row >= 1 && row <= fuselages.nbFuselages()) {
        fuselages.currentFuselage = static_cast<std::int16_t>(row);
    }
    main_.follow(Effects::RefillFuselageTab | Effects::RedrawView | Effects::Render3D);
}

void FuselageManager::showEvent(QShowEvent* event) {
    update();
    fitColumns();
    QDialog::showEvent(event);
}

// Each column as wide as its heading and texts, and the list wide enough
// for all of them with room for a vertical scroll bar: no horizontal one.
// The last column fills what is left, so it is measured unstretched.
void FuselageManager::fitColumns() {
    QHeaderView* header = ListView->header();
    header->setStretchLastSection(false);
    for (int column = 0; column < ListView->columnCount(); ++column) {
        ListView->resizeColumnToContents(column);
        header->resizeSection(column, std::max(header->sectionSize(column), header->sectionSizeHint(column)));
    }
    const int columns = header->length();
    header->setStretchLastSection(true);
    const int scrollBar = ListView->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ListView);
    ListView->setMinimumWidth(columns + 2 * ListView->frameWidth() + scrollBar);
    resize(std::max(width(), sizeHint().width()), height());
}

void FuselageManager::reject() { closeWindow(false); }

}  // namespace ferlo
