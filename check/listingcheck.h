#ifndef LISTINGCHECK_H
#define LISTINGCHECK_H

#include "finding.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QFile;

// Whether the player's book list shows the book, and under which title. The list reads
// the raw text, not the XML: it takes the first `Title="` anywhere in the file, which is
// not always the root element's title.
class ListingCheck {
    Q_DECLARE_TR_FUNCTIONS(ListingCheck)

public:
    // `rootTitle` and `rootLine` are the root element's, as XML reads them.
    ListingCheck(const QString &path, const QString &rootTitle, int rootLine);

    const QList<Finding> &findings() const;
    // The title the list shows, null when it leaves the book out.
    const QString &title() const;

private:
    static int lineOfFirstTitle(QFile *file);

    QList<Finding> m_findings;
    QString m_title;
};

#endif // LISTINGCHECK_H
