#pragma once

#include <memory>

#include <QString>

#include "document/print_jobs.h"

class QPrinter;

namespace ferlo {

class Editor;
class ViewSetup;

// The toolbar's Print command: the views picked in the print selection,
// after the printer dialog, each printed as a document of its own at full
// size or scaled to the page width (printViews), named after the project
// and the view. The printer keeps its settings from one print to the next.
// Cancelling either dialog prints nothing. Printed to files, the files
// written are listed afterwards. A failure stops the printing there and is
// shown with the view, the file or printer, and the reason; a file left
// unfinished is removed. The screen is left as it was: the plan and front
// pages are scaled from those views as the drawing area would show them,
// without showing them.
class PrintCommand {
public:
    PrintCommand(Editor& main, ViewSetup& views);
    ~PrintCommand();

    void run();

    // The file of one job's document when the printer writes PDF: the chosen
    // file's name with the job's ("plans.pdf" gives "plans-side.pdf",
    // "plans-sections.pdf", "plans-plan.pdf", "plans-front.pdf",
    // "plans-htop.pdf").
    static QString jobFile(const QString& file, PrintJob job);
    // The name of one job's document: the project's file name without its
    // extension ("Untitled" for a project never saved or read) and the
    // view's ("plane - Side view").
    static QString documentName(const QString& projectFile, PrintJob job);

private:
    Editor& main_;
    ViewSetup& views_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace ferlo
