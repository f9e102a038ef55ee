#include "editor/print_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStringList>

#include "base/file_errors.h"
#include "document/plane.h"
#include "editor/drawing_area.h"
#include "editor/editor.h"
#include "editor/main_controls.h"
#include "editor/printer_canvas.h"
#include "editor/user_dialogs.h"
#include "editor/view_setup.h"

namespace ferlo {

namespace {

// The job's part of its file's name.
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

// The view a job prints, as the user calls it.
QString viewTitle(PrintJob job) {
    switch (job) {
    case PrintJob::Side: return QStringLiteral("Side view");
    case PrintJob::Sections: return QStringLiteral("Cross-sections");
    case PrintJob::Plan: return QStringLiteral("Plan view");
    case PrintJob::Front: return QStringLiteral("Front view");
    case PrintJob::HTop: return QStringLiteral("Fuselage top view");
    }
    return {};
}

// Why a file cannot be written, in the system's words (a PDF printer that
// cannot begin gives no reason of its own). The probe leaves no file behind.
QString whyNotWritable(const QString& path) {
    QFile probe(path);
    const bool existed = probe.exists();
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) return probe.errorString();
    probe.close();
    if (!existed) probe.remove();
    return QStringLiteral("the printer could not begin the document");
}

// Each job a document of the printer, named after the project and the
// view; a PDF printer writes each into a file of its own, and is given its
// chosen file back afterwards. A job's document ends before the next one
// begins, so beginning one finishes the file before it.
class PrinterDocuments : public PrintDocuments {
public:
    PrinterDocuments(QPrinter& printer, LengthUnit unit, QString projectFile)
        : printer_(printer),
          unit_(unit),
          projectFile_(std::move(projectFile)),
          file_(printer.outputFileName()),
          toFiles_(printer.outputFormat() == QPrinter::PdfFormat) {}
    ~PrinterDocuments() override { printer_.setOutputFileName(file_); }
    PrinterDocuments(const PrinterDocuments&) = delete;
    PrinterDocuments& operator=(const PrinterDocuments&) = delete;

    std::unique_ptr<PageCanvas> beginDocument(PrintJob job) override {
        finishFile();
        job_ = job;
        printer_.setDocName(PrintCommand::documentName(projectFile_, job));
        if (toFiles_) printer_.setOutputFileName(PrintCommand::jobFile(file_, job));
        try {
            auto page = std::make_unique<PrinterCanvas>(printer_, unit_);
            if (toFiles_) open_ = printer_.outputFileName();
            return page;
        } catch (const WriteError&) {
            if (toFiles_) throw WriteError(whyNotWritable(printer_.outputFileName()).toStdString());
            throw;
        }
    }

    // Every document has ended: its file is whole.
    void finishFile() {
        if (!open_.isEmpty()) written_.push_back(open_);
        open_.clear();
    }
    // The printing stopped: the file of the document under way is removed.
    void removeUnfinishedFile() {
        if (!open_.isEmpty()) QFile::remove(open_);
        open_.clear();
    }

    const QStringList& written() const { return written_; }

    // What the failure `reason` stopped: the view, and where it went.
    QString failure(const QString& reason) const {
        QString view = viewTitle(job_).toLower();
        const QString target = toFiles_ ? QStringLiteral(" to ") + printer_.outputFileName()
                                        : QStringLiteral(" on the printer \"") + printer_.printerName() + '"';
        QString message = QStringLiteral("Printing stopped. The ") + view + QStringLiteral(" could not be printed") +
                          target + QStringLiteral(": ") + reason;
        if (!message.endsWith('.')) message += '.';
        if (!written_.isEmpty()) message += QStringLiteral("\nThese files were written before:\n") + written_.join('\n');
        return message;
    }

private:
    QPrinter& printer_;
    LengthUnit unit_;
    QString projectFile_;
    QString file_;
    bool toFiles_;
    PrintJob job_ = PrintJob::Side;
    QString open_;  // the file of the document under way
    QStringList written_;
};

}  // namespace

PrintCommand::PrintCommand(Editor& main, ViewSetup& views)
    : main_(main), views_(views), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

PrintCommand::~PrintCommand() = default;

QString PrintCommand::jobFile(const QString& file, PrintJob job) {
    const QFileInfo info(file);
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("pdf") : info.suffix();
    return info.dir().filePath(info.completeBaseName() + '-' + QString::fromLatin1(jobName(job)) + '.' + suffix);
}

QString PrintCommand::documentName(const QString& projectFile, PrintJob job) {
    const QString project = projectFile.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(projectFile).completeBaseName();
    return project + QStringLiteral(" - ") + viewTitle(job);
}

void PrintCommand::run() {
    UserDialogs& dialogs = main_.dialogs();
    const std::optional<PrintSelection> selection = dialogs.selectPrintViews();
    if (!selection || !dialogs.setUpPrinter(*printer_)) return;
    const PrintScreen screen{views_.fittedView(ViewKind::VTop), views_.fittedView(ViewKind::Front),
                             static_cast<double>(main_.controls().DrawArea->width())};
    PrinterDocuments documents(*printer_, main_.plane().units, main_.state().projectFile);
    try {
        printViews(main_.plane(), *selection, screen, documents);
        documents.finishFile();
    } catch (const std::exception& error) {
        documents.removeUnfinishedFile();
        dialogs.warning(documents.failure(QString::fromStdString(error.what())));
        return;
    }
    if (!documents.written().isEmpty()) {
        dialogs.information(QStringLiteral("Print"),
                            QStringLiteral("The plans were written to these files:\n") + documents.written().join('\n'));
    }
}

}  // namespace ferlo
