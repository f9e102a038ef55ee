#include "editor/commands/print_command.h"

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "document/plane_operations.h"
#include "editor/commands/print_select.h"
#include "editor/commands/printer_canvas.h"
#include "editor/commands/qt_user_dialogs.h"
#include "editor/drawing/drawing_area.h"
#include "support/editor_window.h"
#include "support/pdf_contents.h"
#include "support/project_text.h"
#include "support/snapshot.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

namespace fs = std::filesystem;
using testing::PdfContents;
using testing::Stroke;
using testing::strokes;

const PrintSelection kEveryView{true, true, true, true, true};

// The printable width and height of the page the program's printer starts
// with, in `unit`.
std::pair<double, double> pageSize(LengthUnit unit) {
    testing::TempDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((dir.path() / "size.pdf").string()));
    PrinterCanvas canvas(printer, unit);
    return {canvas.width(), canvas.height()};
}

fs::path jobPath(const testing::TempDir& dir, const char* job) {
    return dir.path() / (std::string("plans-") + job + ".pdf");
}

std::vector<std::vector<Stroke>> pagesOf(const fs::path& pdf) {
    const PdfContents contents(testing::TempDir::read(pdf));
    std::vector<std::vector<Stroke>> pages;
    for (const std::string& stream : contents.contentStreams) pages.push_back(strokes(stream));
    EXPECT_EQ(static_cast<std::size_t>(contents.pages), pages.size()) << pdf;
    return pages;
}

bool hasStroke(const std::vector<Stroke>& page, const Stroke& s, double tolerance) {
    for (const Stroke& p : page) {
        if (std::abs(p.x1 - s.x1) < tolerance && std::abs(p.y1 - s.y1) < tolerance &&
            std::abs(p.x2 - s.x2) < tolerance && std::abs(p.y2 - s.y2) < tolerance) {
            return true;
        }
    }
    return false;
}

TEST(PrintCommand, EachJobWritesAPdfFileOfItsOwn) {
    EXPECT_EQ(PrintCommand::jobFile("/tmp/x/plans.pdf", PrintJob::Side), "/tmp/x/plans-side.pdf");
    EXPECT_EQ(PrintCommand::jobFile("/tmp/x/plans.pdf", PrintJob::Sections), "/tmp/x/plans-sections.pdf");
    EXPECT_EQ(PrintCommand::jobFile("/tmp/x/plans", PrintJob::Plan), "/tmp/x/plans-plan.pdf");
    EXPECT_EQ(PrintCommand::jobFile("/tmp/x/v1.2.pdf", PrintJob::HTop), "/tmp/x/v1.2-htop.pdf");
}

// Every view to PDF, in millimetres and in inches: the Side view (to the
// fin's tip at 830 mm) and the HTop view of the default fuselage (800 mm)
// tiled over one page more than the whole page widths in them, with the
// first section line at the left edge of the
// first page, standing on the bottom edge (Side); three cross-section pages
// with their centre lines; the plan and the front view on one page each, as
// the drawing area shows them. The screen is left as it was.
TEST(PrintCommand, PrintsEveryViewToPdfAtFullSize) {
    for (LengthUnit unit : {LengthUnit::Millimeters, LengthUnit::Inches}) {
        SCOPED_TRACE(static_cast<int>(unit));
        testing::TempDir dir;
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        if (unit == LengthUnit::Inches) switchUnits(main.plane(), unit);
        main.setTab(ParameterTab::Fuselage);
        main.initSideView();
        const ViewState before = main.state().view;
        const std::string aircraft = testing::projectText(main.plane());
        const ViewState plan = main.fittedView(ViewKind::VTop);

        editor.dialogs.printSelections = {kEveryView};
        editor.dialogs.printerFiles = {QString::fromStdString((dir.path() / "plans.pdf").string())};
        main.Bar_ButtonClick("Print");
        EXPECT_TRUE(editor.dialogs.warnings.empty());
        EXPECT_FALSE(fs::exists(dir.path() / "plans.pdf"));

        const auto [w, h] = pageSize(unit);
        const double k = unit == LengthUnit::Inches ? 1 / 25.4 : 1;  // model unit per millimetre
        const auto tiles = [&](double length) { return static_cast<std::size_t>(std::floor(length * k / w)) + 1; };
        const auto side = pagesOf(jobPath(dir, "side"));
        ASSERT_EQ(side.size(), tiles(830));  // to the fin's trailing tip
        // The first section line, 20 mm high, from the fuselage's lowest
        // point on the bottom edge.
        EXPECT_TRUE(hasStroke(side[0], {0, h, 0, h - 20 * k}, 1e-4));
        const auto htop = pagesOf(jobPath(dir, "htop"));
        ASSERT_EQ(htop.size(), tiles(800));
        for (const auto& page : htop) EXPECT_FALSE(page.empty());

        const auto sections = pagesOf(jobPath(dir, "sections"));
        ASSERT_EQ(sections.size(), 3u);
        for (const auto& page : sections) {
            ASSERT_EQ(page.size(), 2u + 8u);
            EXPECT_TRUE(hasStroke(page, {w / 2, 0, w / 2, h}, 1e-4));
            EXPECT_TRUE(hasStroke(page, {0, h / 2, w, h / 2}, 1e-4));
        }

        const auto vtop = pagesOf(jobPath(dir, "plan"));
        ASSERT_EQ(vtop.size(), 1u);
        const double r = w / main.controls().DrawArea->width();
        // Wing panel 1's leading edge, 180 mm aft of the origin at the root,
        // 190 mm at the tip 700 mm out.
        EXPECT_TRUE(hasStroke(vtop[0],
                              {plan.xoff * r, (plan.yoff + 180 * k * plan.zoom) * r,
                               (plan.xoff + 700 * k * plan.zoom) * r, (plan.yoff + 190 * k * plan.zoom) * r},
                              1e-3));
        ASSERT_EQ(pagesOf(jobPath(dir, "front")).size(), 1u);

        EXPECT_EQ(main.state().mode, ViewKind::Side);
        EXPECT_EQ(main.tab(), ParameterTab::Fuselage);
        EXPECT_EQ(main.state().view.zoom, before.zoom);
        EXPECT_EQ(main.state().view.xoff, before.xoff);
        EXPECT_EQ(main.state().view.yoff, before.yoff);
        EXPECT_EQ(testing::projectText(main.plane()), aircraft);

        // The millimetre documents, for a reviewer.
        if (unit == LengthUnit::Millimeters) {
            const fs::path output = fs::path(FERLO_OUTPUT_DIR) / "print";
            fs::create_directories(output);
            for (const char* job : {"side", "sections", "plan", "front", "htop"}) {
                fs::copy_file(jobPath(dir, job), output / (std::string(job) + ".pdf"),
                              fs::copy_options::overwrite_existing);
            }
        }
    }
}

// Cancel in the selection shows no printer dialog; Cancel in the printer
// dialog prints nothing; Print with no view picked prints nothing either.
TEST(PrintCommand, CancelsAndNothingPicked) {
    testing::TempDir dir;
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    main.Bar_ButtonClick("Print");
    EXPECT_EQ(editor.dialogs.printSelectionRequests, 1);
    EXPECT_EQ(editor.dialogs.printerRequests, 0);

    editor.dialogs.printSelections = {kEveryView};
    main.Bar_ButtonClick("Print");
    EXPECT_EQ(editor.dialogs.printerRequests, 1);

    editor.dialogs.printSelections = {PrintSelection{}};
    editor.dialogs.printerFiles = {QString::fromStdString((dir.path() / "plans.pdf").string())};
    main.Bar_ButtonClick("Print");
    EXPECT_EQ(editor.dialogs.printerRequests, 2);
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_TRUE(editor.dialogs.warnings.empty());
}

// The title a PDF file of the Qt printer carries: its document's name, as
// UTF-16 with a byte-order mark.
bool hasTitle(const fs::path& pdf, const QString& title) {
    std::string utf16 = "/Title (\xFE\xFF";
    for (const char16_t c : title.toStdU16String()) {
        utf16 += static_cast<char>(c >> 8);
        utf16 += static_cast<char>(c & 0xFF);
    }
    return testing::TempDir::read(pdf).find(utf16 + ")") != std::string::npos;
}

// Printed to files, the files written are listed; each job's document is
// named after the project (its file once saved or read, "Untitled" before)
// and the view.
TEST(PrintCommand, TheFilesWrittenAreListedAndEachJobIsNamed) {
    for (const bool saved : {false, true}) {
        SCOPED_TRACE(saved);
        testing::TempDir dir;
        testing::EditorWindow editor;
        MainWindow& main = editor.startSettled();
        if (saved) {
            editor.dialogs.saveChoices = {{QString::fromStdString((dir.path() / "glider.flx").string()), 1}};
            main.Bar_ButtonClick("Save");
        }
        editor.dialogs.printSelections = {PrintSelection{true, false, false, true, false}};
        editor.dialogs.printerFiles = {QString::fromStdString((dir.path() / "plans.pdf").string())};
        main.Bar_ButtonClick("Print");
        EXPECT_TRUE(editor.dialogs.warnings.empty());
        ASSERT_EQ(editor.dialogs.informations.size(), 1u);
        EXPECT_EQ(editor.dialogs.informations[0].first, "Print");
        EXPECT_EQ(editor.dialogs.informations[0].second,
                  QString::fromStdString("The plans were written to these files:\n" + jobPath(dir, "side").string() +
                                         "\n" + jobPath(dir, "plan").string()));
        const QString project = saved ? "glider" : "Untitled";
        EXPECT_TRUE(hasTitle(jobPath(dir, "side"), project + " - Side view"));
        EXPECT_TRUE(hasTitle(jobPath(dir, "plan"), project + " - Plan view"));
    }
    EXPECT_EQ(PrintCommand::documentName("/p/v1.2.flx", PrintJob::Sections), "v1.2 - Cross-sections");
    EXPECT_EQ(PrintCommand::documentName("/p/plane.flx", PrintJob::HTop), "plane - Fuselage top view");
}

// A failure stops the printing with a full sentence naming the view, the
// file and the reason, and lists the files written before it; the file it
// stopped in is removed. The printer prints again afterwards.
TEST(PrintCommand, AFailureIsReportedWithTheFileAndTheReason) {
    testing::TempDir dir;
    testing::EditorWindow editor;
    MainWindow& main = editor.startSettled();
    editor.dialogs.printSelections = {kEveryView};
    editor.dialogs.printerFiles = {"/nonexistent-folder/plans.pdf"};
    main.Bar_ButtonClick("Print");
    EXPECT_EQ(editor.dialogs.warnings, std::vector<QString>{"Printing stopped. The side view could not be printed to "
                                                            "/nonexistent-folder/plans-side.pdf: No such file or "
                                                            "directory."});
    EXPECT_TRUE(editor.dialogs.informations.empty());

    // A fuselage too long for the tiled fuselage top view, printed last.
    MeshSections& fuselage = main.plane().fuselages.current();
    fuselage.sel_sec = fuselage.nb_sections;
    fuselage.posSet(1e6);
    editor.dialogs.printSelections = {PrintSelection{false, true, true, true, false}};
    editor.dialogs.printerFiles = {QString::fromStdString((dir.path() / "plans.pdf").string())};
    main.Bar_ButtonClick("Print");
    ASSERT_EQ(editor.dialogs.warnings.size(), 2u);
    EXPECT_EQ(editor.dialogs.warnings[1].toStdString(),
              "Printing stopped. The fuselage top view could not be printed to " + jobPath(dir, "htop").string() +
                  ": the view would take more than 1000 pages.\nThese files were written before:\n" +
                  jobPath(dir, "sections").string() + "\n" + jobPath(dir, "plan").string());
    EXPECT_FALSE(fs::exists(jobPath(dir, "htop")));
    EXPECT_EQ(pagesOf(jobPath(dir, "plan")).size(), 1u);

    fuselage.posSet(300);
    editor.dialogs.printSelections = {PrintSelection{false, true, false, false, false}};
    editor.dialogs.printerFiles = {QString::fromStdString((dir.path() / "again.pdf").string())};
    main.Bar_ButtonClick("Print");
    EXPECT_EQ(editor.dialogs.warnings.size(), 2u);
    EXPECT_FALSE(pagesOf(dir.path() / "again-htop.pdf").empty());
}

// The real selection dialog: every box clear, the ticked views given back on
// Print; Cancel and the window's frame give nothing.
TEST(QtUserDialogs, PrintSelection) {
    QtUserDialogs dialogs;
    const auto inDialog = [](auto action) {
        QTimer::singleShot(0, [action] {
            auto* dialog = dynamic_cast<PrintSelect*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return ADD_FAILURE() << "no print selection shown";
            action(*dialog);
        });
    };
    inDialog([](PrintSelect& d) {
        for (QCheckBox* box : d.findChildren<QCheckBox*>()) EXPECT_FALSE(box->isChecked());
        EXPECT_EQ(d.windowTitle(), "Select Views for Print Out");
        d.CheckSide->setChecked(true);
        d.CheckVtop->setChecked(true);
        testing::saveOutputPng(d.grab().toImage(), "print_select");
        QTest::mouseClick(d.PrintCommand, Qt::LeftButton);
    });
    const std::optional<PrintSelection> picked = dialogs.selectPrintViews();
    ASSERT_TRUE(picked.has_value());
    EXPECT_TRUE(picked->Side);
    EXPECT_TRUE(picked->vtop);
    EXPECT_FALSE(picked->htop || picked->frontSections || picked->front);

    inDialog([](PrintSelect& d) {
        EXPECT_FALSE(d.CheckSide->isChecked());
        d.CheckFront->setChecked(true);
        d.close();
    });
    EXPECT_FALSE(dialogs.selectPrintViews().has_value());
    inDialog([](PrintSelect& d) { QTest::mouseClick(d.CancelCommand, Qt::LeftButton); });
    EXPECT_FALSE(dialogs.selectPrintViews().has_value());
}

// The real file dialog shows the filter asked for and gives back the one it
// ends on, also when cancelled; the colour dialog gives the colour chosen or
// nothing.
TEST(QtUserDialogs, FileAndColourDialogs) {
    QtUserDialogs dialogs;
    const QStringList filters{"Ferlo Project (*.flx)", "Airfoil (*.xy)", "Texture Image (*.bmp *.jpg)"};
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return ADD_FAILURE() << "no file dialog shown";
        EXPECT_EQ(dialog->nameFilters(), filters);
        EXPECT_EQ(dialog->selectedNameFilter(), filters[2]);
        dialog->selectNameFilter(filters[1]);
        dialog->reject();
    });
    const FileChoice cancelled = dialogs.openFileOfType(filters, 3);
    EXPECT_TRUE(cancelled.file.isEmpty());
    EXPECT_EQ(cancelled.filterIndex, 2);

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return ADD_FAILURE() << "no colour dialog shown";
        EXPECT_EQ(dialog->currentColor(), QColor(200, 100, 50));
        dialog->setCurrentColor(QColor(255, 0, 0));
        dialog->accept();
    });
    EXPECT_EQ(dialogs.chooseColor(200 + 256 * 100 + 65536 * 50), std::optional<PackedColor>(255));
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(dialogs.chooseColor(255).has_value());
}

}  // namespace
}  // namespace ferlo
