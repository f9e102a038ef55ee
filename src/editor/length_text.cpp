#include "editor/length_text.h"

#include <cmath>

namespace ferlo {

QString Formatter(double x, LengthUnit unit) {
    if (unit == LengthUnit::Millimeters) return QString::number(std::floor(x) + 0.0, 'f', 0);
    QString text = QString::number(x, 'f', 2);
    const qsizetype digit = text.startsWith('-') ? 1 : 0;
    if (text.mid(digit, 2) == QStringLiteral("0.")) text.remove(digit, 1);
    return text;
}

}  // namespace ferlo
