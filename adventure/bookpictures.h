#ifndef BOOKPICTURES_H
#define BOOKPICTURES_H

#include <QImage>
#include <QPixmap>
#include <QString>

class QUrl;

// The pictures that a book's HTML may show: regular files inside the book's folder, small
// enough to read whole and to decode, and decoding as images. A book is untrusted, so any
// other name (a device, a pipe, a path out of the folder, a URL) gives a transparent pixel.
class BookPictures {
public:
    explicit BookPictures(const QString &bookPath);

    // The picture named by `name` (relative names start from the book's folder), or the
    // transparent pixel: never a null pixmap.
    QPixmap picture(const QUrl &name);

private:
    QString fileInsideFolder(const QUrl &name);
    QImage decode(const QString &path) const;

    QString bookPath;
    QString folder;
    QPixmap nothing;
    // The pixels that the text may still show, so that many pictures stay bounded too.
    qint64 pixelsLeft;
};

#endif // BOOKPICTURES_H
