#include "editor/preferences.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "base/file_errors.h"
#include "base/number_text.h"
#include "document/plane.h"
#include "document/plane_operations.h"
#include "document/project_file.h"
#include "editor/editor.h"
#include "editor/editor_environment.h"
#include "editor/failure_rule.h"
#include "editor/length_text.h"
#include "editor/main_controls.h"
#include "editor/program_picture.h"
#include "editor/render_view.h"
#include "editor/small_fonts.h"
#include "editor/user_dialogs.h"
#include "editor/view_setup.h"
#include "ui_core/preferences_file.h"

namespace ferlo {

namespace {

const QString kFullScale = QStringLiteral("100");

// The camera the window leaves the 3D view with: pan, zoom, yaw, pitch.
constexpr double kCameraZoom = 200;
constexpr double kCameraYaw = 900;
constexpr double kCameraPitch = 200;

}  // namespace

Preferences::Preferences(Editor& main, ViewSetup& views, RenderView& render)
    : QDialog(main.controls().Main),
      InchesOption(nullptr),
      MillimetersOption(nullptr),
      ScaleText(new QLineEdit(kFullScale, this)),
      SpanLabel(new QLabel(this)),
      Image1(new QLabel(this)),
      CloseCommand(new QPushButton(QStringLiteral("Close"), this)),
      CancelCommand(new QPushButton(QStringLiteral("Cancel"), this)),
      main_(main),
      views_(views),
      render_(render) {
    setObjectName("Prefs");
    setWindowTitle(QStringLiteral("Preferences"));
    resize(300, 176);

    Image1->setObjectName("Image1");
    Image1->setPixmap(programPicture(QSize(112, 112)));
    Image1->setGeometry(10, 10, 112, 112);
    SpanLabel->setObjectName("SpanLabel");
    SpanLabel->setGeometry(10, 128, 112, 20);
    SpanLabel->setAlignment(Qt::AlignCenter);
    SpanLabel->setToolTip(QStringLiteral("Wing span"));

    auto* units = new QGroupBox(QStringLiteral("Units"), this);
    units->setObjectName("UnitsFrame");
    units->setGeometry(132, 6, 158, 72);
    InchesOption = new QRadioButton(QStringLiteral("Inches"), units);
    InchesOption->setObjectName("InchesOption");
    InchesOption->setGeometry(10, 22, 140, 20);
    MillimetersOption = new QRadioButton(QStringLiteral("Millimeters"), units);
    MillimetersOption->setObjectName("MillimetersOption");
    MillimetersOption->setGeometry(10, 44, 140, 20);

    auto* scale = new QGroupBox(QStringLiteral("Scale"), this);
    scale->setObjectName("ScaleFrame");
    scale->setGeometry(132, 82, 158, 52);
    ScaleText->setParent(scale);
    ScaleText->setObjectName("ScaleText");
    ScaleText->setGeometry(10, 22, 80, 22);
    auto* percent = new QLabel(QStringLiteral("%"), scale);
    percent->setGeometry(96, 22, 20, 22);

    CloseCommand->setObjectName("CloseCommand");
    CloseCommand->setGeometry(132, 142, 75, 26);
    CloseCommand->setDefault(true);
    CancelCommand->setObjectName("CancelCommand");
    CancelCommand->setGeometry(215, 142, 75, 26);

    connect(ScaleText, &QLineEdit::textChanged, this, [this] { showSpan(); });
    connect(CloseCommand, &QPushButton::clicked, this, [this] { CloseCommand_Click(); });
    connect(CancelCommand, &QPushButton::clicked, this, [this] { CancelCommand_Click(); });
}

void Preferences::load(bool smallFonts) {
    if (smallFonts) enlargeForSmallFonts(*this);
    selectUnitOption(main_.plane().units);
    ScaleText->setText(kFullScale);
}

QString Preferences::readAll() {
    const PreferencesRead read =
        readPreferencesFile(QDir(main_.environment().paths.configFolder).filePath(kPreferencesFileName).toStdString());
    if (!read.unusable.empty()) {
        leaveFileAsItIs_ = true;
        main_.dialogs().warning(
            QStringLiteral("The preferences file could not be used; it is left as it is.\n") +
            QString::fromStdString(read.unusable));
    }
    setOptions(read.values.inches, read.values.millimeters);
    return QString::fromStdString(read.values.demostate);
}

void Preferences::writeAll() {
    if (leaveFileAsItIs_) return;
    const QString path = QDir(main_.environment().paths.configFolder).filePath(kPreferencesFileName);
    try {
        writePreferencesFile(path.toStdString(), InchesOption->isChecked(), MillimetersOption->isChecked());
    } catch (const WriteError& error) {
        main_.dialogs().warning(QStringLiteral("The preferences could not be saved.\n") +
                                QString::fromStdString(error.what()));
    }
}

bool Preferences::inchesOption() const { return InchesOption->isChecked(); }

void Preferences::selectUnitOption(LengthUnit unit) {
    setOptions(unit == LengthUnit::Inches, unit == LengthUnit::Millimeters);
}

// Both options may be clear (a preferences file that selects neither), which
// exclusive option buttons cannot show; they are exclusive again afterwards.
void Preferences::setOptions(bool inches, bool millimeters) {
    InchesOption->setAutoExclusive(false);
    MillimetersOption->setAutoExclusive(false);
    MillimetersOption->setChecked(millimeters);
    InchesOption->setChecked(inches && !millimeters);
    InchesOption->setAutoExclusive(true);
    MillimetersOption->setAutoExclusive(true);
}

std::optional<double> Preferences::typedScale() const {
    const std::optional<double> percent = parseNumber(ScaleText->text().toStdString());
    if (!percent || !(*percent > 0)) return std::nullopt;
    return *percent / 100;
}

void Preferences::showSpan() {
    skipOnFailure([&] {
        const Plane& plane = main_.plane();
        const SymWingSections& wing = plane.mainWing.current();
        SpanLabel->setText(Formatter((wing.span + wing.shift) * 2 * typedScale().value_or(1), plane.units));
    });
}

void Preferences::showEvent(QShowEvent* event) {
    inchesAtShow_ = InchesOption->isChecked();
    millimetersAtShow_ = MillimetersOption->isChecked();
    showSpan();
    QDialog::showEvent(event);
}

void Preferences::apply(Effects markWhenChanged) {
    Plane& plane = main_.plane();
    const LengthUnit unit = InchesOption->isChecked()        ? LengthUnit::Inches
                            : MillimetersOption->isChecked() ? LengthUnit::Millimeters
                                                             : plane.units;
    const double scale = typedScale().value_or(1);
    const bool changed = unit != plane.units || scale != 1;
    // Worked out on a copy: a result the project file could not hold
    // would leave an aircraft that can no longer be saved.
    std::optional<Plane> result;
    if (changed) {
        bool holds = false;
        try {
            result = plane;
            switchUnits(*result, unit);
            rescaleAll(*result, scale);
            holds = projectFileCanHold(*result);
        } catch (const std::exception&) {
        }
        if (!holds) {
            main_.dialogs().warning(refusal(unit != plane.units, scale));
            return;
        }
    }
    // Every tab, not the wing's alone: a box still showing a length in the
    // old unit or scale would write it back at its next commit.
    main_.edit(
        [&] {
            if (result) plane = std::move(*result);
            main_.setTab(ParameterTab::Wing);
        },
        when(changed, markWhenChanged) | Effects::RefillTabs);
    views_.show(ViewKind::VTop);
    skipOnFailure([&] { render_.setViewTransform(0, 0, kCameraZoom, kCameraYaw, kCameraPitch); });
    main_.follow(Effects::Rebuild3D);
    accept();
    ScaleText->setText(kFullScale);
}

void Preferences::applyPreferences() { apply(Effects::None); }

void Preferences::CloseCommand_Click() { apply(Effects::Unsaved); }

QString Preferences::refusal(bool converting, double scale) const {
    const QString limit = QString::fromStdString(formatNumber(kMaxFileMagnitude));
    QString change = converting ? QStringLiteral("converted") : QString();
    if (scale != 1) {
        change += (converting ? QStringLiteral(" and scaled by ") : QStringLiteral("scaled by ")) + ScaleText->text() +
                  QStringLiteral(" %");
    }
    return QStringLiteral("The model was not ") + change + QStringLiteral(": a length would exceed ") + limit +
           QStringLiteral(", the largest a project file holds. Nothing was changed.");
}

void Preferences::CancelCommand_Click() { reject(); }

void Preferences::reject() {
    QDialog::reject();
    setOptions(inchesAtShow_, millimetersAtShow_);
    ScaleText->setText(kFullScale);
}

}  // namespace ferlo
