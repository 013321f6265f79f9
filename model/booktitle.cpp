#include "booktitle.h"

QString BookTitle::fromText(const QString &text)
{
    static const QString marker = QStringLiteral("Title=\"");
    const int start = text.indexOf(marker);
    if (start < 0)
        return QString();
    const int from = start + marker.size();
    const int quote = text.indexOf(QLatin1Char('"'), from);
    const QString title = quote < 0 ? text.mid(from) : text.mid(from, quote - from);
    return title.isNull() ? QStringLiteral("") : title;
}
