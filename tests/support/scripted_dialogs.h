#pragma once

#include <deque>
#include <utility>
#include <vector>

#include <QString>

#include "editor/user_dialogs.h"

namespace ferlo::testing {

// Dialogs that answer from scripts and record what was asked. An empty
// script answers as a cancel: No, no file, no text.
class ScriptedDialogs : public UserDialogs {
public:
    std::deque<bool> answers;
    std::deque<QString> files;
    std::deque<QString> inputs;

    std::vector<QString> questions;
    std::vector<std::pair<QString, QString>> informations;  // title, text
    std::vector<QString> warnings;
    std::vector<QString> fileFilters;
    std::vector<QString> inputDefaults;

    bool question(const QString& text) override {
        questions.push_back(text);
        return next(answers, false);
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
