#include "frenchnumber.h"

QString frenchNumber(qint64 number)
{
    QString digits = QString::number(number);
    const int sign = digits.startsWith(QLatin1Char('-')) ? 1 : 0;
    for (int at = digits.size() - 3; at > sign; at -= 3)
        digits.insert(at, QLatin1Char(' '));
    return digits;
}

QString frenchShare(qint64 count, qint64 total, int decimals)
{
    const double share = 100.0 * double(count) / double(qMax<qint64>(total, 1));
    return QString::number(share, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" %");
}
