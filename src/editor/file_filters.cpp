#include "editor/file_filters.h"

#include <QRegularExpression>

namespace ferlo {

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

}  // namespace ferlo
