#ifndef DIEFACES_H
#define DIEFACES_H

class QImage;

// Draws the face of a six-sided die showing `face` pips (1 to 6) on an ivory
// rounded square, `scale` times its size on screen; everything outside the square is
// transparent.
QImage drawDieFace(int face, int scale);

#endif // DIEFACES_H
