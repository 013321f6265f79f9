#include "savestore.h"

#include "bookfilename.h"
#include "bookparser.h"
#include "datafolder.h"
#include "regularfile.h"
#include "savedadventure.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSaveFile>

namespace {

QString savesFolder()
{
    return dataFolder() + QStringLiteral("/saves");
}

} // namespace

QString SaveStore::pathFor(const QString &bookPath)
{
    return savesFolder() + QLatin1Char('/') + bookFileName(bookPath) + QStringLiteral(".json");
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
