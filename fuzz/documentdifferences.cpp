#include "documentdifferences.h"

#include <QDomDocument>
#include <QRegularExpression>

bool DocumentDifferences::known(const QString &failure)
{
    // The DOM keeps the last of an attribute written twice; XML forbids it, and the stream
    // reader refuses it.
    static const QRegularExpression redefined(QStringLiteral("^Attribute '.*' redefined"));
    return redefined.match(failure).hasMatch();
}

bool DocumentDifferences::knownOfDom(const QString &failure)
{
    // Qt 6's DOM reads through the stream reader with none of Qt 5's leniency: it refuses an
    // entity that the document's own DTD does not declare, a control character (which it
    // calls ''), bytes that the document's encoding cannot decode, where the loader reads
    // U+FFFD as Qt 5's DOM did, and an encoding it does not know, which the loader reads as
    // UTF-8.
    static const QRegularExpression lenientBefore(
        QStringLiteral("^(Entity '.*' not declared\\.|Unexpected ''\\.|Encountered incorrectly encoded content\\.|"
                       "Encoding .* is unsupported|.* is an invalid encoding name\\.)$"));
    return lenientBefore.match(failure).hasMatch();
}

bool DocumentDifferences::uncheckedByDom(const QString &failure)
{
    // The loader refuses an attribute named against XML's rules, as Qt 5's DOM did; Qt 6's
    // DOM lets the stream reader's attribute names through unchecked.
    static const bool attributeNamesUnchecked = QDomDocument().setContent(QByteArrayLiteral("<a $b=\"1\"/>"));
    return attributeNamesUnchecked && failure == QLatin1String("Invalid XML name.");
}

QString DocumentDifferences::comparable(QString description)
{
    // Qt 5's DOM keeps the carriage returns of line ends, which XML reads as line feeds, as
    // the loader does.
    return description.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
