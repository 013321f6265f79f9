#include "documentdifferences.h"

#include <QRegularExpression>

bool DocumentDifferences::known(const QString &failure)
{
    // The DOM keeps the last of an attribute written twice; XML forbids it, and the stream
    // reader refuses it.
    static const QRegularExpression redefined(QStringLiteral("^Attribute '.*' redefined"));
    return redefined.match(failure).hasMatch();
}

QString DocumentDifferences::comparable(QString description)
{
    // Qt 5's DOM keeps the carriage returns of line ends, which XML reads as line feeds, as
    // the loader does.
    return description.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
