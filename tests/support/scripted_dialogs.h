#pragma once

#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include <QPrinter>
#include <QString>
#include <QStringList>

#include "editor/commands/user_dialogs.h"

namespace ferlo::testing {

// Dialogs that answer from scripts and record what was asked. An empty
// script answers as a cancel: No, Cancel, no file (the filter as it was
// shown), no text, no colour, no print selection, no printer.
class ScriptedDialogs : public UserDialogs {
public:
    std::deque<bool> answers;
    std::deque<SaveAnswer> saveAnswers;
    std::deque<QString> files;
    std::deque<QString> inputs;

    std::vector<QString> questions;
    std::vector<QString> saveQuestions;
    std::vector<std::pair<QString, QString>> informations;  // title, text
    std::vector<QString> warnings;
    std::vector<QString> fileFilters;
    std::vector<QString> inputDefaults;

    // The toolbar's dialogs. A file dialog is asked with its filters and the
    // filter it shows first.
    struct FileRequest {
        QStringList filters;
        int filterIndex;
    };
    std::deque<FileChoice> openChoices;
    std::deque<FileChoice> saveChoices;
    std::deque<std::optional<PackedColor>> colors;
    std::deque<std::optional<PrintSelection>> printSelections;
    // The printer dialog's answers: the PDF file the printer is to write.
    std::deque<QString> printerFiles;

    std::vector<FileRequest> openRequests;
    std::vector<FileRequest> saveRequests;
    std::vector<PackedColor> colorRequests;
    int printSelectionRequests = 0;
    int printerRequests = 0;
    // When set, the open and save dialogs are these (real ones), recorded
    // all the same.
    UserDialogs* fileDialogs = nullptr;

    bool question(const QString& text) override {
        questions.push_back(text);
        return next(answers, false);
    }
    SaveAnswer askToSave(const QString& text) override {
        saveQuestions.push_back(text);
        return next(saveAnswers, SaveAnswer::Cancel);
    }
    void information(const QString& title, const QString& text) override { informations.emplace_back(title, text); }
    void warning(const QString& text) override { warnings.push_back(text); }
    QString openFile(const QString& filter) override {
        fileFilters.push_back(filter);
        return next(files, QString());
    }
    QString inputText(const QString&, const QString&, const QString& defaultText) override {
        inputDefaults.push_back(defaultText);
        return next(inputs, QString());
    }

    FileChoice openFileOfType(const QStringList& filters, int filterIndex) override {
        openRequests.push_back({filters, filterIndex});
        if (fileDialogs != nullptr) return fileDialogs->openFileOfType(filters, filterIndex);
        return next(openChoices, FileChoice{QString(), filterIndex});
    }
    FileChoice saveFileOfType(const QStringList& filters, int filterIndex) override {
        saveRequests.push_back({filters, filterIndex});
        if (fileDialogs != nullptr) return fileDialogs->saveFileOfType(filters, filterIndex);
        return next(saveChoices, FileChoice{QString(), filterIndex});
    }
    std::optional<PackedColor> chooseColor(PackedColor initial) override {
        colorRequests.push_back(initial);
        return next(colors, std::optional<PackedColor>());
    }
    std::optional<PrintSelection> selectPrintViews() override {
        ++printSelectionRequests;
        return next(printSelections, std::optional<PrintSelection>());
    }
    bool setUpPrinter(QPrinter& printer) override {
        ++printerRequests;
        const QString file = next(printerFiles, QString());
        if (file.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }

private:
    template <typename T>
    static T next(std::deque<T>& script, T cancel) {
        if (script.empty()) return cancel;
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

}  // namespace ferlo::testing
