#include "savestore.h"

#include "bookparser.h"
#include "datafolder.h"
#include "regularfile.h"
#include "savedadventure.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int maximumNameLength = 40;

QString savesFolder()
{
    return dataFolder() + QStringLiteral("/saves");
}

} // namespace

// The book's name, kept readable, then a hash of its full path: two books of the same name
// in different folders have saves of their own.
QString SaveStore::pathFor(const QString &bookPath)
{
    const QFileInfo book(bookPath);
    const QString fullPath = book.canonicalFilePath().isEmpty() ? book.absoluteFilePath() : book.canonicalFilePath();
    QString name;
    for (const QChar character : book.completeBaseName().left(maximumNameLength))
        name += character.isLetterOrNumber() && character.unicode() < 128 ? character : QLatin1Char('_');
    const QByteArray pathHash = QCryptographicHash::hash(fullPath.toUtf8(), QCryptographicHash::Sha256).toHex();
    return savesFolder() + QStringLiteral("/%1-%2.json").arg(name, QLatin1String(pathHash.left(16)));
}

bool SaveStore::exists(const QString &bookPath)
{
    return QFileInfo::exists(pathFor(bookPath));
}

bool SaveStore::write(const SavedAdventure &saved, QString *error)
{
    const QByteArray json = saved.toJson();
    // Only what can be read back is written, so that a save never becomes one the player refuses.
    SavedAdventure readBack;
    if (json.size() > maximumSaveSize || !SavedAdventure::fromJson(json, &readBack, error)) {
        *error = tr("l'aventure dépasse ce qu'une sauvegarde peut tenir");
        return false;
    }
    const QString path = pathFor(saved.bookPath);
    QSaveFile file(path);
    if (!QDir().mkpath(savesFolder()) || !file.open(QIODevice::WriteOnly) || file.write(json) != json.size() ||
        !file.commit()) {
        *error = file.errorString().isEmpty() ? tr("le dossier %1 n'a pas pu être créé").arg(savesFolder())
                                              : file.errorString();
        return false;
    }
    return true;
}

bool SaveStore::read(const QString &bookPath, SavedAdventure *saved, QString *error)
{
    QFile file(pathFor(bookPath));
    if (!RegularFile::open(&file, maximumSaveSize)) {
        *error = tr("le fichier ne peut pas être ouvert, n'est pas un fichier ordinaire ou est trop grand");
        return false;
    }
    // The file may have grown since it was opened.
    const QByteArray json = file.read(maximumSaveSize + 1);
    if (json.size() > maximumSaveSize) {
        *error = tr("le fichier est trop grand");
        return false;
    }
    return SavedAdventure::fromJson(json, saved, error);
}

QString SaveStore::hashOfBook(const QString &bookPath)
{
    QFile book(bookPath);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!RegularFile::open(&book, BookParser::maximumFileSize) || !hash.addData(&book))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}
