#include "editor/commands/file_filters.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace ferlo {

namespace {

// The patterns of a filter in Qt's form: the blank-separated words between
// its last parentheses.
QStringList patternsOf(const QString& filter) {
    static const QRegularExpression list(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = list.match(filter);
    return match.hasMatch() ? match.captured(1).split(' ', Qt::SkipEmptyParts) : QStringList{};
}

// A name the save dialog adds an extension to: one without any dot, as Qt's
// file dialog decides for its default suffix.
bool hasNoExtension(const QString& file) { return !QFileInfo(file).fileName().contains('.'); }

}  // namespace

QStringList qtFilters(const QString& filters) {
    const QStringList parts = filters.split('|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        // The description's own list of patterns, if it shows one, gives way
        // to the patterns in Qt's form.
        description.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)\\s*$")));
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) pattern = pattern.trimmed();
        result.push_back(description.trimmed() + QStringLiteral(" (") + patterns.join(' ') + ')');
    }
    return result;
}

int filterIndexOf(const QStringList& filters, const QString& chosen) {
    return static_cast<int>(filters.indexOf(chosen)) + 1;
}

QString defaultSuffixOf(const QString& filter) {
    const QStringList patterns = patternsOf(filter);
    if (patterns.isEmpty() || !patterns.front().startsWith(QStringLiteral("*."))) return {};
    const QString suffix = patterns.front().mid(2);
    return suffix.contains('*') || suffix.contains('?') ? QString() : suffix;
}

int filterIndexOfFile(const QStringList& filters, const QString& file) {
    const QString name = QFileInfo(file).fileName();
    for (qsizetype i = 0; i < filters.size(); ++i) {
        for (const QString& pattern : patternsOf(filters[i])) {
            if (QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive).match(name).hasMatch()) {
                return static_cast<int>(i) + 1;
            }
        }
    }
    return 0;
}

FileChoice typedFileChoice(const QStringList& filters, const FileChoice& choice, bool addSuffix) {
    if (choice.file.isEmpty()) return choice;
    if (const int typed = filterIndexOfFile(filters, choice.file); typed != 0) return {choice.file, typed};
    const bool shown = choice.filterIndex >= 1 && choice.filterIndex <= filters.size();
    if (!addSuffix || !shown || !hasNoExtension(choice.file)) return choice;
    const QString suffix = defaultSuffixOf(filters[choice.filterIndex - 1]);
    return {suffix.isEmpty() ? choice.file : choice.file + '.' + suffix, choice.filterIndex};
}

}  // namespace ferlo
