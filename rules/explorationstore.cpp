#include "explorationstore.h"

#include "bookfilename.h"
#include "datafolder.h"
#include "exploration.h"
#include "regularfile.h"

#include <QDir>
#include <QSaveFile>

namespace {

QString explorationFolder()
{
    return dataFolder() + QStringLiteral("/exploration");
}

} // namespace

QString ExplorationStore::pathFor(const QString &bookPath)
{
    return explorationFolder() + QLatin1Char('/') + bookFileName(bookPath) + QStringLiteral(".json");
}

Exploration ExplorationStore::read(const QString &bookPath)
{
    Exploration exploration;
    QFile file(pathFor(bookPath));
    if (RegularFile::open(&file, maximumFileSize))
        Exploration::fromJson(file.read(maximumFileSize), &exploration);
    return exploration;
}

bool ExplorationStore::write(const QString &bookPath, const Exploration &exploration)
{
    const QByteArray json = exploration.toJson();
    QSaveFile file(pathFor(bookPath));
    return json.size() <= maximumFileSize && QDir().mkpath(explorationFolder()) && file.open(QIODevice::WriteOnly) &&
        file.write(json) == json.size() && file.commit();
}
