#ifndef LOGOANDBRAND_H
#define LOGOANDBRAND_H

class QImage;

// The window icon: the emblem alone on a transparent square.
QImage drawLogo();

// The brand mark of the book-selection window: the emblem followed by the
// name "Valdoriel", on a transparent background.
QImage drawBrandMark();

#endif // LOGOANDBRAND_H
