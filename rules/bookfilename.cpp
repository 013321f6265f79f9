#include "bookfilename.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace {

constexpr int maximumNameLength = 40;

} // namespace

QString bookFileName(const QString &bookPath)
{
    const QFileInfo book(bookPath);
    const QString fullPath = book.canonicalFilePath().isEmpty() ? book.absoluteFilePath() : book.canonicalFilePath();
    QString name;
    for (const QChar character : book.completeBaseName().left(maximumNameLength))
        name += character.isLetterOrNumber() && character.unicode() < 128 ? character : QLatin1Char('_');
    const QByteArray pathHash = QCryptographicHash::hash(fullPath.toUtf8(), QCryptographicHash::Sha256).toHex();
    return name + QLatin1Char('-') + QLatin1String(pathHash.left(16));
}
