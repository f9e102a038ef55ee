#include "editor/equipment_panel.h"

#include <algorithm>

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "editor/field_table.h"
#include "editor/main_window.h"

namespace ferlo {

bool showsVertical(std::int32_t kind, std::int32_t orientation) {
    const bool turned = orientation != 0;
    return kind == ElectroBox::kServo ? !turned : turned;
}

std::int32_t orientationFor(std::int32_t kind, bool vertical) {
    return (kind == ElectroBox::kServo) == vertical ? 0 : 1;
}

namespace {

constexpr int kVerticalId = 1;
constexpr int kHorizontalId = 0;

QRadioButton* option(QWidget* parent, const char* name, const char* caption, QRect place) {
    auto* button = new QRadioButton(QString::fromLatin1(caption), parent);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}

}  // namespace

EquipmentPanel::EquipmentPanel(MainWindow& main) : main_(main) {
    QWidget* frame = main.controls().Frame8;
    LengthServoText = addBoxRow(frame, QStringLiteral("LengthServoText"), QStringLiteral("Length"), 20);
    WidthServoText = addBoxRow(frame, QStringLiteral("WidthServoText"), QStringLiteral("Width"), 20 + kRowHeight);
    HeightServoText = addBoxRow(frame, QStringLiteral("HeightServoText"), QStringLiteral("Height"), 20 + 2 * kRowHeight);
    PosServoText = addBoxRow(frame, QStringLiteral("PosServoText"), QStringLiteral("Position"), 204);
    ShiftServoText = addBoxRow(frame, QStringLiteral("ShiftServoText"), QStringLiteral("Shift"), 204 + kRowHeight);
    ElevationServoText =
        addBoxRow(frame, QStringLiteral("ElevationServoText"), QStringLiteral("Elevation"), 204 + 2 * kRowHeight);
    buildOptions(frame);

    Equipment& equipment = main.plane().equipment;
    const auto part = [&equipment]() -> ElectroBox& { return equipment.current(); };
    fields_ = std::make_unique<FieldTable>(main, std::vector<Field>{
                                                     memberField(LengthServoText, part, &ElectroBox::length),
                                                     memberField(WidthServoText, part, &ElectroBox::width),
                                                     memberField(HeightServoText, part, &ElectroBox::height),
                                                     memberField(PosServoText, part, &ElectroBox::pos),
                                                     memberField(ShiftServoText, part, &ElectroBox::shift),
                                                     memberField(ElevationServoText, part, &ElectroBox::elevation),
                                                 });

    const char* comboNames[] = {"ServosCombo", "ReceiverCombo", "AccuCombo"};
    for (std::int32_t kind = 0; kind < 3; ++kind) {
        auto* combo = new QComboBox(frame);
        combo->setObjectName(comboNames[kind]);
        combo->setGeometry(8, 322, 138, 24);
        for (const std::string& name : equipment.catalogueOf(kind)->names()) combo->addItem(QString::fromStdString(name));
        QObject::connect(combo, &QComboBox::activated, frame, [this](int item) { modelChosen(item); });
        combos[static_cast<std::size_t>(kind)] = combo;
    }

    index = addIndexControls(frame, "IndexServosScroll", "IdEquipLabel", "IndexServoPlusButton",
                             "IndexServoMinusButton", 350);
    QObject::connect(index.scroll, &QScrollBar::valueChanged, frame, [this] { IndexServosScroll_Change(); });
    QObject::connect(index.plus, &QPushButton::clicked, frame, [this] { IndexServoPlusButton_Click(); });
    QObject::connect(index.minus, &QPushButton::clicked, frame, [this] { IndexServoMinusButton_Click(); });
}

EquipmentPanel::~EquipmentPanel() = default;

// The kind options in the group box "Type" and the orientation options
// below the line: two groups, each exclusive on its own.
void EquipmentPanel::buildOptions(QWidget* frame) {
    auto* type = new QGroupBox(QStringLiteral("Type"), frame);
    type->setGeometry(6, 98, 140, 90);
    ServoOption = option(type, "ServoOption", "Servo", {8, 18, 124, 22});
    ReceiverOption = option(type, "ReceiverOption", "Receiver", {8, 40, 124, 22});
    AccuOption = option(type, "AccuOption", "Accumulator", {8, 62, 124, 22});
    kinds_ = new QButtonGroup(frame);
    kinds_->addButton(ServoOption, ElectroBox::kServo);
    kinds_->addButton(ReceiverOption, ElectroBox::kReceiver);
    kinds_->addButton(AccuOption, ElectroBox::kAccumulator);
    QObject::connect(kinds_, &QButtonGroup::idClicked, frame, [this](int kind) { kindClick(kind); });

    HorizontalServoOption = option(frame, "HorizontalServoOption", "Horizontal", {8, 280, 130, 20});
    VerticalServoOption = option(frame, "VerticalServoOption", "Vertical", {8, 300, 130, 20});
    orientations_ = new QButtonGroup(frame);
    orientations_->addButton(HorizontalServoOption, kHorizontalId);
    orientations_->addButton(VerticalServoOption, kVerticalId);
    QObject::connect(orientations_, &QButtonGroup::idClicked, frame,
                     [this](int id) { orientationClick(id == kVerticalId); });
}

void EquipmentPanel::fill() {
    const Equipment& equipment = main_.plane().equipment;
    fields_->fill();
    index.show(equipment.nbBoxes, equipment.currentBox);
    const ElectroBox& box = equipment.current();

    const QSignalBlocker quietOrientations(orientations_);
    (showsVertical(box.box, box.orientation) ? VerticalServoOption : HorizontalServoOption)->setChecked(true);

    // A kind without an option (kept from a file) shows none selected.
    const QSignalBlocker quietKinds(kinds_);
    kinds_->setExclusive(false);
    for (QAbstractButton* kindOption : kinds_->buttons()) kindOption->setChecked(kinds_->id(kindOption) == box.box);
    kinds_->setExclusive(true);
    for (std::size_t kind = 0; kind < combos.size(); ++kind) {
        combos[kind]->setVisible(static_cast<std::int32_t>(kind) == box.box);
    }
}

void EquipmentPanel::IndexServosScroll_Change() {
    Equipment& equipment = main_.plane().equipment;
    equipment.currentBox = static_cast<std::int16_t>(std::clamp<int>(index.scroll->value(), 1, equipment.nbBoxes));
    main_.refreshDrawingArea();
    fill();
}

void EquipmentPanel::IndexServoPlusButton_Click() {
    Plane& plane = main_.plane();
    if (plane.equipment.addBox(plane.units)) main_.afterEdit();
    fill();
}

void EquipmentPanel::IndexServoMinusButton_Click() {
    if (main_.plane().equipment.removeLastBox()) {
        main_.afterEdit();
    } else {
        main_.refreshDrawingArea();
    }
    fill();
}

void EquipmentPanel::kindClick(std::int32_t kind) {
    main_.plane().equipment.current().box = kind;
    main_.afterEdit();
    fill();
}

void EquipmentPanel::orientationClick(bool vertical) {
    ElectroBox& box = main_.plane().equipment.current();
    box.orientation = orientationFor(box.box, vertical);
    main_.afterEdit();
}

void EquipmentPanel::modelChosen(int item) {
    Plane& plane = main_.plane();
    if (plane.equipment.applyModel(item, plane.units)) main_.afterEdit();
    fill();
}

}  // namespace ferlo
