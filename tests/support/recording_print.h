#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "base/file_errors.h"
#include "base/page_canvas.h"
#include "document/print_jobs.h"
#include "support/recording_canvas.h"

namespace ferlo::testing {

// One printed document: its job, the segments drawn on each page, and
// whether it was ended.
struct PrintedDocument {
    PrintJob job;
    std::vector<std::vector<RecordingCanvas::Segment>> pages;
    bool ended = false;
};

// A page canvas of a given page size that records each page into a
// PrintedDocument.
class RecordingPages : public PageCanvas {
public:
    RecordingPages(PrintedDocument& document, double width, double height)
        : document_(document), page_(width, height) {}

    void setCurrentPoint(double x, double y) override { page_.setCurrentPoint(x, y); }
    void lineTo(double x, double y, PaletteColor color) override { page_.lineTo(x, y, color); }
    void line(double x1, double y1, double x2, double y2, PaletteColor color) override {
        page_.line(x1, y1, x2, y2, color);
    }
    void clear() override {}
    double width() const override { return page_.width(); }
    double height() const override { return page_.height(); }

    void newPage() override {
        document_.pages.push_back(page_.segments());
        page_.reset();
    }
    void endDocument() override {
        newPage();
        document_.ended = true;
    }

private:
    PrintedDocument& document_;
    RecordingCanvas page_;
};

// Documents of pages `width` x `height` (the printer's scale unit), recorded
// in the order they were begun. The job `failing`, when set, cannot begin.
class RecordingDocuments : public PrintDocuments {
public:
    RecordingDocuments(double width, double height) : width_(width), height_(height) {}

    std::deque<PrintedDocument> documents;
    std::optional<PrintJob> failing;

    std::unique_ptr<PageCanvas> beginDocument(PrintJob job) override {
        if (failing == job) throw WriteError("the printer is out of paper");
        documents.push_back({job, {}, false});
        return std::make_unique<RecordingPages>(documents.back(), width_, height_);
    }

    std::vector<PrintJob> jobs() const {
        std::vector<PrintJob> result;
        for (const PrintedDocument& d : documents) result.push_back(d.job);
        return result;
    }

private:
    double width_, height_;
};

}  // namespace ferlo::testing
