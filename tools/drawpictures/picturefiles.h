#ifndef PICTUREFILES_H
#define PICTUREFILES_H

#include <QString>

class QImage;

// Writes a picture, creating its folder if needed; the format follows the
// file suffix. Returns false, after printing the reason, when it fails.
bool writePicture(const QImage &picture, const QString &filePath);

#endif // PICTUREFILES_H
