#include "listingcheck.h"

#include "booktextreader.h"
#include "booktitle.h"
#include "quotation.h"

#include <QFile>

ListingCheck::ListingCheck(const QString &path, const QString &rootTitle, int rootLine)
{
    // Opened as the list opens it.
    QFile file(path);
    QString text;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !BookTextReader::read(&file, &text)) {
        m_findings.append({ Finding::Severity::Error, 0, 0, tr("the book list leaves this file out: it is empty") });
        return;
    }
    m_title = BookTitle::fromText(text);
    if (m_title.isNull()) {
        m_findings.append({ Finding::Severity::Error, rootLine, 0,
                            tr("the book list leaves this book out: the file has no Title=\"") });
    } else if (m_title.isEmpty()) {
        m_findings.append({ Finding::Severity::Error, lineOfFirstTitle(&file), 0,
                            tr("the book list shows an empty title, and a book without a title cannot be started") });
    } else if (m_title != rootTitle) {
        const QString root = rootTitle.isNull() ? tr("the root element has no Title")
                                                : tr("the root element's title is %1").arg(quotation(rootTitle));
        m_findings.append({ Finding::Severity::Error, lineOfFirstTitle(&file), 0,
                            tr("the book list shows the title %1, taken from the first Title=\" in the file, "
                               "but %2")
                                .arg(quotation(m_title), root) });
    }
}

const QList<Finding> &ListingCheck::findings() const
{
    return m_findings;
}

const QString &ListingCheck::title() const
{
    return m_title;
}

int ListingCheck::lineOfFirstTitle(QFile *file)
{
    if (!file->reset())
        return 0;
    const QByteArray bytes = file->readAll();
    const int at = bytes.indexOf("Title=\"");
    return at < 0 ? 0 : bytes.left(at).count('\n') + 1;
}
