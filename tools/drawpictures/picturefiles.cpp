#include "picturefiles.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

namespace {
// Keeps the portraits small while staying free of visible artefacts.
const int jpegQuality = 85;
} // namespace

bool writePicture(const QImage &picture, const QString &filePath)
{
    const QFileInfo fileInfo(filePath);
    if (!QDir().mkpath(fileInfo.absolutePath())) {
        qCritical().noquote() << "Cannot create the folder" << fileInfo.absolutePath();
        return false;
    }
    QImageWriter writer(filePath);
    if (fileInfo.suffix().compare(QStringLiteral("jpg"), Qt::CaseInsensitive) == 0)
        writer.setQuality(jpegQuality);
    if (!writer.write(picture)) {
        qCritical().noquote() << "Cannot write" << filePath << ":" << writer.errorString();
        return false;
    }
    return true;
}
