#include "editor/equipment_panel.h"

#include <algorithm>
#include <utility>

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "document/plane.h"
#include "editor/editor.h"
#include "editor/field_table.h"
#include "editor/main_controls.h"

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

constexpr int kOptionLeft = 8;
constexpr int kOptionHeight = 20;

// An option button on the row at height `y` of `parent`.
QRadioButton* option(QWidget* parent, const char* name, const char* caption, int y) {
    auto* button = new QRadioButton(QString::fromLatin1(caption), parent);
    button->setObjectName(name);
    button->setGeometry(kOptionLeft, y, kRowFrameWidth - 4 * kOptionLeft, kOptionHeight);
    return button;
}

}  // namespace

// The group box "Electronics" holds, top to bottom: the size rows, the kind
// options, a line, the position rows, the orientation options, the
// catalogue lists (all at one place) and the box index.
EquipmentPanel::EquipmentPanel(Editor& main) : main_(main) {
    Frame8 = new QGroupBox(QStringLiteral("Electronics"), main.controls().pages[static_cast<int>(ParameterTab::Electronics)]);
    Frame8->setObjectName("Frame8");
    QWidget* frame = Frame8;
    int y = kFirstRowUnderTitle;
    const auto row = [&](const char* name, const char* caption) {
        return addBoxRow(frame, QString::fromLatin1(name), QString::fromLatin1(caption), std::exchange(y, y + kRowHeight));
    };
    LengthServoText = row("LengthServoText", "Length");
    WidthServoText = row("WidthServoText", "Width");
    HeightServoText = row("HeightServoText", "Height");
    y = buildKindOptions(frame, y + 2) + 4;
    Line1 = new QFrame(frame);
    Line1->setObjectName("Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(0, y, kRowFrameWidth, 2);
    y += 6;
    PosServoText = row("PosServoText", "Position");
    ShiftServoText = row("ShiftServoText", "Shift");
    ElevationServoText = row("ElevationServoText", "Elevation");
    y = buildOrientationOptions(frame, y) + 2;

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
        combo->setGeometry(kOptionLeft, y, kRowFrameWidth - 2 * kOptionLeft, 24);
        for (const std::string& name : equipment.catalogueOf(kind)->names()) combo->addItem(QString::fromStdString(name));
        QObject::connect(combo, &QComboBox::activated, frame, [this](int item) { modelChosen(item); });
        combos[static_cast<std::size_t>(kind)] = combo;
    }

    y += 24 + 6;
    index = addIndexControls(frame, "IndexServosScroll", "IdEquipLabel", "IndexServoPlusButton",
                             "IndexServoMinusButton", y);
    Frame8->setGeometry(0, 0, kRowFrameWidth, y + kIndexHeight + 6);
    QObject::connect(index.scroll, &QScrollBar::valueChanged, frame, [this] { IndexServosScroll_Change(); });
    QObject::connect(index.plus, &QPushButton::clicked, frame, [this] { IndexServoPlusButton_Click(); });
    QObject::connect(index.minus, &QPushButton::clicked, frame, [this] { IndexServoMinusButton_Click(); });
}

EquipmentPanel::~EquipmentPanel() = default;

// The kind options in the group box "Type" from height `y`: an exclusive
// group. Returns the height below the group box.
int EquipmentPanel::buildKindOptions(QWidget* frame, int y) {
    auto* type = new QGroupBox(QStringLiteral("Type"), frame);
    ServoOption = option(type, "ServoOption", "Servo", kFirstRowUnderTitle - 2);
    ReceiverOption = option(type, "ReceiverOption", "Receiver", kFirstRowUnderTitle - 2 + kOptionHeight);
    AccuOption = option(type, "AccuOption", "Accumulator", kFirstRowUnderTitle - 2 + 2 * kOptionHeight);
    type->setGeometry(kOptionLeft, y, kRowFrameWidth - 2 * kOptionLeft, kFirstRowUnderTitle + 3 * kOptionHeight + 2);
    kinds_ = new QButtonGroup(frame);
    kinds_->addButton(ServoOption, ElectroBox::kServo);
    kinds_->addButton(ReceiverOption, ElectroBox::kReceiver);
    kinds_->addButton(AccuOption, ElectroBox::kAccumulator);
    QObject::connect(kinds_, &QButtonGroup::idClicked, frame, [this](int kind) { kindClick(kind); });
    return type->geometry().bottom() + 1;
}

// The orientation options from height `y`, an exclusive group of their own.
// Returns the height below them.
int EquipmentPanel::buildOrientationOptions(QWidget* frame, int y) {
    HorizontalServoOption = option(frame, "HorizontalServoOption", "Horizontal", y);
    VerticalServoOption = option(frame, "VerticalServoOption", "Vertical", y + kOptionHeight);
    orientations_ = new QButtonGroup(frame);
    orientations_->addButton(HorizontalServoOption, kHorizontalId);
    orientations_->addButton(VerticalServoOption, kVerticalId);
    QObject::connect(orientations_, &QButtonGroup::idClicked, frame,
                     [this](int id) { orientationClick(id == kVerticalId); });
    return y + 2 * kOptionHeight;
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
    main_.edit(
        [&] {
            equipment.currentBox = static_cast<std::int16_t>(std::clamp<int>(index.scroll->value(), 1, equipment.nbBoxes));
        },
        Effects::RedrawView | Effects::Render3D | Effects::RefillEquipmentTab);
}

void EquipmentPanel::IndexServoPlusButton_Click() {
    Plane& plane = main_.plane();
    main_.edit([&] { return when(plane.equipment.addBox(plane.units), Effects::Edited); }, Effects::RefillEquipmentTab);
}

void EquipmentPanel::IndexServoMinusButton_Click() {
    main_.edit([&] { return when(main_.plane().equipment.removeLastBox(), Effects::Unsaved); },
               Effects::RedrawView | Effects::Render3D | Effects::RefillEquipmentTab);
}

void EquipmentPanel::kindClick(std::int32_t kind) {
    main_.edit([&] { main_.plane().equipment.current().box = kind; }, Effects::Edited | Effects::RefillEquipmentTab);
}

void EquipmentPanel::orientationClick(bool vertical) {
    main_.edit(
        [&] {
            ElectroBox& box = main_.plane().equipment.current();
            box.orientation = orientationFor(box.box, vertical);
        },
        Effects::Edited);
}

void EquipmentPanel::modelChosen(int item) {
    Plane& plane = main_.plane();
    main_.edit([&] { return when(plane.equipment.applyModel(item, plane.units), Effects::Edited); }, Effects::RefillEquipmentTab);
}

}  // namespace ferlo
