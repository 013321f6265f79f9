#ifndef TEXTZOOM_H
#define TEXTZOOM_H

#include <QFont>

// How large the reader wants the play area's text and captions: a number of steps of two
// points above or below their normal sizes, each size kept between 8 and 40 points, and in
// which family the paragraphs are written (the Harrington stand-ins unless the reader chose
// another). Both hold for every paragraph and adventure, and are kept for the next start.
class TextZoom {
public:
    // The paragraph's text at the normal size.
    static constexpr int normalTextPoints = 14;
    static constexpr int smallestPoints = 8;
    static constexpr int largestPoints = 40;

    // Each returns false when the size was already at its bound or normal.
    static bool zoomIn();
    static bool zoomOut();
    static bool reset();
    // Takes up the size and family kept, as the adventure window opens.
    static void restore();

    // The family of the paragraphs' text; an empty one goes back to the Harrington stand-ins.
    static void setTextFamily(const QString &family);

    // The font of a paragraph's text.
    static QFont textFont();
    // The font that the play area gives its captions: only a size, the rest coming from
    // `normal`, the window's font; at the normal size, nothing of its own.
    static QFont captionFont(const QFont &normal);

private:
    static int pointSize(qreal normalPoints);
    static bool setStep(int step);

    static int step;
    static QString family;
};

#endif // TEXTZOOM_H
