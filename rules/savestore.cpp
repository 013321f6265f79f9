#include "savestore.h"

#include "bookfilename.h"
#include "bookparser.h"
#include "datafolder.h"
#include "regularfile.h"
#include "savedadventure.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>

namespace {

const QLatin1String automaticName("automatic.json");
const QLatin1String extension(".json");

QString savesFolder()
{
    return dataFolder() + QStringLiteral("/saves");
}

// The one save per book of earlier versions of the player lies beside the book's folder.
QString earlierSaveOf(const QString &folder)
{
    return folder + extension;
}

SaveStore::Entry entryOf(const QString &path)
{
    SaveStore::Entry entry;
    entry.path = path;
    SavedAdventure saved;
    if (!SaveStore::read(path, &saved, &entry.fault)) {
        entry.savedAt = QFileInfo(path).lastModified();
        return entry;
    }
    // Saves of earlier versions have neither a name nor a date.
    entry.savedAt = saved.savedAt.isValid() ? saved.savedAt : QFileInfo(path).lastModified();
    entry.paragraph = saved.currentParagraph();
    entry.name = saved.name.isEmpty() ? SavedAdventure::defaultName(entry.paragraph, entry.savedAt) : saved.name;
    entry.endurance = saved.currentMoment().endurance.current;
    entry.gold = saved.currentMoment().gold;
    return entry;
}

} // namespace

// Two books of the same name in different folders have saves of their own.
QString SaveStore::folderFor(const QString &bookPath)
{
    return savesFolder() + QLatin1Char('/') + bookFileName(bookPath);
}

QString SaveStore::automaticPath(const QString &bookPath)
{
    return folderFor(bookPath) + QLatin1Char('/') + automaticName;
}

QString SaveStore::newNamedPath(const QString &bookPath)
{
    const QString stem = folderFor(bookPath) + QLatin1Char('/') +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = stem + extension;
    for (int number = 2; QFileInfo::exists(path); ++number)
        path = stem + QLatin1Char('-') + QString::number(number) + extension;
    return path;
}

bool SaveStore::exists(const QString &bookPath)
{
    return hasAutomatic(bookPath) || !namedPaths(bookPath).isEmpty();
}

bool SaveStore::hasAutomatic(const QString &bookPath)
{
    return QFileInfo::exists(automaticPath(bookPath));
}

// Those of earlier versions first.
QStringList SaveStore::namedPaths(const QString &bookPath)
{
    const QString folder = folderFor(bookPath);
    QStringList paths;
    if (QFileInfo::exists(earlierSaveOf(folder)))
        paths.append(earlierSaveOf(folder));
    for (const QString &name : QDir(folder).entryList({ QLatin1String("*") + extension }, QDir::Files)) {
        if (name != automaticName)
            paths.append(folder + QLatin1Char('/') + name);
    }
    return paths;
}

QList<SaveStore::Entry> SaveStore::namedSaves(const QString &bookPath)
{
    QList<Entry> entries;
    for (const QString &path : namedPaths(bookPath))
        entries.append(entryOf(path));
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry &one, const Entry &other) { return one.savedAt > other.savedAt; });
    return entries;
}

bool SaveStore::write(const QString &path, const SavedAdventure &saved, QString *error)
{
    const QByteArray json = saved.toJson();
    // Only what can be read back is written, so that a save never becomes one the player refuses.
    SavedAdventure readBack;
    if (json.size() > maximumSaveSize || !SavedAdventure::fromJson(json, &readBack, error)) {
        *error = tr("l'aventure dépasse ce qu'une sauvegarde peut tenir");
        return false;
    }
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder)) {
        *error = tr("le dossier %1 n'a pas pu être créé").arg(folder);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool SaveStore::read(const QString &path, SavedAdventure *saved, QString *error)
{
    QFile file(path);
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

bool SaveStore::rename(const QString &path, const QString &name, QString *error)
{
    SavedAdventure saved;
    if (!read(path, &saved, error))
        return false;
    saved.name = name.left(SavedAdventure::maximumNameLength);
    return write(path, saved, error);
}

bool SaveStore::remove(const QString &path, QString *error)
{
    QFile file(path);
    if (file.exists() && !file.remove()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool SaveStore::keepAutomatic(const QString &bookPath, QString *error)
{
    QFile automatic(automaticPath(bookPath));
    if (!automatic.exists() || automatic.rename(newNamedPath(bookPath)))
        return true;
    *error = automatic.errorString();
    return false;
}

QString SaveStore::hashOfBook(const QString &bookPath)
{
    QFile book(bookPath);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!RegularFile::open(&book, BookParser::maximumFileSize) || !hash.addData(&book))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}
