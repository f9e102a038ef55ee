#pragma once

#include <QString>
#include <QStringList>

namespace ferlo {

// A file dialog's filters in the program's own form: pairs of a description
// and its patterns, all separated by "|", patterns separated by ";"
// ("Texture Image (*.bmp;*.jpg)|*.bmp;*.jpg|"; a trailing "|" is allowed).
// Filter indices count from 1, in that order.

// The filters in Qt's form, one entry a filter: the description without
// its own pattern list, then the patterns separated by blanks in
// parentheses ("Texture Image (*.bmp *.jpg)").
QStringList qtFilters(const QString& filters);

// The 1-based index of `chosen` (one of `qtFilters`'s entries) in `filters`;
// 0 when it is none of them.
int filterIndexOf(const QStringList& filters, const QString& chosen);

}  // namespace ferlo
