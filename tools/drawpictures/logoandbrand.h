#ifndef LOGOANDBRAND_H
#define LOGOANDBRAND_H

class QImage;

// The emblem alone on a transparent square of `side` pixels: the window icon and the
// desktop icons. It is painted at each size rather than scaled, to stay sharp.
QImage drawLogo(int side);

// The brand mark of the book-selection window: the emblem followed by the
// name "Valdoriel", on a transparent background, `scale` times its size on screen.
QImage drawBrandMark(int scale);

#endif // LOGOANDBRAND_H
