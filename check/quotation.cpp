#include "quotation.h"

namespace {

constexpr int longestQuoted = 60;

} // namespace

QString quotation(const QString &value)
{
    QString shown = value.left(longestQuoted);
    shown.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    shown.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    shown.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    shown.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    if (value.size() > longestQuoted)
        shown += QChar(0x2026);
    return QStringLiteral("« ") + shown + QStringLiteral(" »");
}
