#pragma once

#include <QString>
#include <QStringList>

namespace ferlo {

// A file dialog's filters in the program's own form: pairs of a description
// and its patterns, all separated by "|", patterns separated by ";"
// ("Texture Image (*.bmp;*.jpg)|*.bmp;*.jpg|"; a trailing "|" is allowed).
// Filter indices count from 1, in that order.

// A file dialog's answer: the chosen file's full path ("" when cancelled)
// and the filter (1-based) the dialog ended on, also when cancelled.
struct FileChoice {
    QString file;
    int filterIndex = 1;
};

// The filters in Qt's form, one entry a filter: the description without
// its own pattern list, then the patterns separated by blanks in
// parentheses ("Texture Image (*.bmp *.jpg)").
QStringList qtFilters(const QString& filters);

// The 1-based index of `chosen` (one of `qtFilters`'s entries) in `filters`;
// 0 when it is none of them.
int filterIndexOf(const QStringList& filters, const QString& chosen);

// The extension a name typed without one gets under `filter` (Qt's form):
// that of its first pattern, without the dot ("flx"); "" for a pattern
// that names none ("*").
QString defaultSuffixOf(const QString& filter);

// The 1-based index of the first of `filters` (Qt's form) whose patterns
// match the name of `file`, letter case aside; 0 when none does.
int filterIndexOfFile(const QStringList& filters, const QString& file);

// What a file dialog's answer asks for: a file whose name matches one of
// the filters is of that filter's type, whichever filter the dialog
// showed; a name with no extension at all gets the extension of the
// filter shown when `addSuffix` (a save) and keeps that filter. A
// cancelled answer stays as it is.
FileChoice typedFileChoice(const QStringList& filters, const FileChoice& choice, bool addSuffix);

}  // namespace ferlo
