#include "editor/panels/length_text.h"

#include <cmath>
#include <string>

#include <QRegularExpression>

#include "base/number_text.h"
#include "base/value_reader.h"

namespace ferlo {

QString Formatter(double x, LengthUnit unit) {
    if (unit == LengthUnit::Millimeters) return QString::number(std::floor(x) + 0.0, 'f', 0);
    QString text = QString::number(x, 'f', 2);
    const qsizetype digit = text.startsWith('-') ? 1 : 0;
    if (text.mid(digit, 2) == QStringLiteral("0.")) text.remove(digit, 1);
    return text;
}

LeadingNumber leadingNumberOf(QStringView text) {
    static const QRegularExpression kBlanks(QStringLiteral("\\s"));
    static const QRegularExpression kLeadingNumber(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const QString compact = text.toString().remove(kBlanks);
    const QRegularExpressionMatch match = kLeadingNumber.match(compact);
    if (!match.hasMatch()) return {std::nullopt, QStringLiteral("Not applied: the text does not start with a number.")};
    const std::optional<double> value = parseNumber(match.captured(0).toStdString());
    static_assert(kMaxFileMagnitude == 1e12, "the refusal names the limit");
    if (!value || !fitsProjectFile(*value)) {
        return {std::nullopt, QStringLiteral("Not applied: beyond 1e12, the largest value a project file holds.")};
    }
    return {value, QString()};
}

}  // namespace ferlo
