#include "datafolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QStringList DataFolders::paths(const QString &relativePath)
{
    QStringList places { QDir::currentPath() };
    for (const QString &dataFolder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        places.append(dataFolder + QStringLiteral("/valdoriel"));
    if (!installed().isEmpty())
        places.append(installed());
    QStringList paths;
    for (const QString &place : places)
        paths.append(place + QLatin1Char('/') + relativePath);
    return paths;
}

QString DataFolders::firstFile(const QString &relativePath)
{
    for (const QString &path : paths(relativePath)) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

QString DataFolders::installed()
{
    // Without an application object there is no program folder to start from.
    if (!QCoreApplication::instance())
        return QString();
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" VALDORIEL_INSTALLED_DATA_FROM_PROGRAM));
}
