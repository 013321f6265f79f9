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
        m_findings.append({ Finding::Severity::Error, 0, 0, QStringLiteral("empty-file"),
                            tr("la liste des livres laisse ce fichier de côté : il est vide") });
        return;
    }
    m_title = BookTitle::fromText(text);
    if (m_title.isNull()) {
        m_findings.append({ Finding::Severity::Error, rootLine, 0, QStringLiteral("no-title"),
                            tr("la liste des livres laisse ce livre de côté : le fichier n'a pas de Title=\"") });
    } else if (m_title.isEmpty()) {
        m_findings.append({ Finding::Severity::Error, lineOfFirstTitle(&file), 0, QStringLiteral("empty-title"),
                            tr("la liste des livres montre un titre vide, et un livre sans titre ne peut pas être "
                               "commencé") });
    } else if (m_title != rootTitle) {
        const QString root = rootTitle.isNull() ? tr("l'élément racine n'a pas de Title")
                                                : tr("le titre de l'élément racine est %1").arg(quotation(rootTitle));
        m_findings.append({ Finding::Severity::Error, lineOfFirstTitle(&file), 0, QStringLiteral("title-mismatch"),
                            tr("la liste des livres montre le titre %1, pris au premier Title=\" du fichier, "
                               "mais %2")
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
