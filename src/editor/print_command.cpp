#include "editor/print_command.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "editor/drawing_area.h"
#include "editor/main_window.h"
#include "editor/printer_canvas.h"
#include "editor/user_dialogs.h"

namespace ferlo {

namespace {

const char* jobName(PrintJob job) {
    switch (job) {
    case PrintJob::Side: return "side";
    case PrintJob::Sections: return "sections";
    case PrintJob::Plan: return "plan";
    case PrintJob::Front: return "front";
    case PrintJob::HTop: return "htop";
    }
    return "";
}

// Each job a document of the printer; a PDF printer writes each into a file
// of its own, and is given its chosen file back afterwards.
class PrinterDocuments : public PrintDocuments {
public:
    PrinterDocuments(QPrinter& printer, LengthUnit unit)
        : printer_(printer), unit_(unit), file_(printer.outputFileName()) {}
    ~PrinterDocuments() override { printer_.setOutputFileName(file_); }
    PrinterDocuments(const PrinterDocuments&) = delete;
    PrinterDocuments& operator=(const PrinterDocuments&) = delete;

    std::unique_ptr<PageCanvas> beginDocument(PrintJob job) override {
        if (printer_.outputFormat() == QPrinter::PdfFormat) {
            printer_.setOutputFileName(PrintCommand::jobFile(file_, job));
        }
        return std::make_unique<PrinterCanvas>(printer_, unit_);
    }

private:
    QPrinter& printer_;
    LengthUnit unit_;
    QString file_;
};

}  // namespace

PrintCommand::PrintCommand(MainWindow& main)
    : main_(main), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

PrintCommand::~PrintCommand() = default;

QString PrintCommand::jobFile(const QString& file, PrintJob job) {
    const QFileInfo info(file);
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("pdf") : info.suffix();
    return info.dir().filePath(info.completeBaseName() + '-' + QString::fromLatin1(jobName(job)) + '.' + suffix);
}

void PrintCommand::run() {
    UserDialogs& dialogs = main_.dialogs();
    const std::optional<PrintSelection> selection = dialogs.selectPrintViews();
    if (!selection || !dialogs.setUpPrinter(*printer_)) return;
    const PrintScreen screen{main_.fittedView(ViewKind::VTop), main_.fittedView(ViewKind::Front),
                             static_cast<double>(main_.controls().DrawArea->width())};
    try {
        PrinterDocuments documents(*printer_, main_.plane().units);
        printViews(main_.plane(), *selection, screen, documents);
    } catch (const std::exception& error) {
        dialogs.warning(QStringLiteral("Printing stopped.\n") + QString::fromStdString(error.what()));
    }
}

}  // namespace ferlo
