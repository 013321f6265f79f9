#include "bookpictures.h"

#include "regularfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QUrl>

namespace {

// A picture is read whole before it is decoded.
constexpr qint64 maximumFileBytes = 16 * 1024 * 1024;
// All the pictures of one text together: 64 MB at four bytes a pixel.
constexpr qint64 maximumTextPixels = 4096 * 4096;

QPixmap transparentPixel()
{
    QImage pixel(1, 1, QImage::Format_ARGB32);
    pixel.fill(Qt::transparent);
    return QPixmap::fromImage(pixel);
}

// The pixels that the picture takes once decoded, as its header tells; -1 when unknown.
// Only formats whose header gives the decoded size are read: a GIF's header, for one,
// gives the size of its first frame, not that of the screen it decodes to.
qint64 announcedPixels(QImageReader *reader)
{
    static const QList<QByteArray> knownFormats { "bmp", "jpeg", "png" };
    const QSize size = reader->size();
    if (!knownFormats.contains(reader->format()) || !size.isValid())
        return -1;
    return qint64(size.width()) * size.height();
}

} // namespace

BookPictures::BookPictures(const QString &bookPath)
    : bookPath(bookPath)
    , nothing(transparentPixel())
    , pixelsLeft(maximumTextPixels)
{
}

QPixmap BookPictures::picture(const QUrl &name)
{
    const QString path = fileInsideFolder(name);
    const QImage image = path.isEmpty() ? QImage() : decode(path);
    if (image.isNull())
        return nothing;
    pixelsLeft -= qint64(image.width()) * image.height();
    return QPixmap::fromImage(image);
}

// The canonical path of the file that `name` names, when that file lies inside the book's
// folder once every "..", "." and link is resolved; empty otherwise.
QString BookPictures::fileInsideFolder(const QUrl &name)
{
    // Resolved on the first request only: most texts name no resource at all.
    if (folder.isNull())
        folder = QFileInfo(bookPath).canonicalPath();
    // Without a folder, an empty prefix would let every path in.
    if (folder.isEmpty())
        return QString();
    QString path;
    if (name.isLocalFile())
        path = name.toLocalFile();
    else if (name.scheme().isEmpty())
        path = name.path(QUrl::FullyDecoded);
    else
        return QString();
    const QString canonical = QFileInfo(QDir(folder).filePath(path)).canonicalFilePath();
    return canonical.startsWith(folder + QLatin1Char('/')) ? canonical : QString();
}

// Reads a regular file of bounded size (never a device or a pipe, which may be endless or
// block) and decodes it only when its header announces no more pixels than the text may
// still hold.
QImage BookPictures::decode(const QString &path) const
{
    QFile input(path);
    if (!RegularFile::open(&input, maximumFileBytes))
        return QImage();
    // No more than the size allowed, should the file grow meanwhile.
    QByteArray bytes = input.read(maximumFileBytes);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const qint64 pixels = announcedPixels(&reader);
    if (pixels < 0 || pixels > pixelsLeft)
        return QImage();
    return reader.read();
}
