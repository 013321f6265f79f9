#include "textzoom.h"

#include "harringtonfont.h"

#include <cmath>

namespace {

constexpr int pointsPerStep = 2;
// The steps that keep the paragraph's text within its bounds.
constexpr int fewestSteps = (TextZoom::smallestPoints - TextZoom::normalTextPoints) / pointsPerStep;
constexpr int mostSteps = (TextZoom::largestPoints - TextZoom::normalTextPoints) / pointsPerStep;

} // namespace

int TextZoom::step = 0;

bool TextZoom::zoomIn()
{
    return setStep(step + 1);
}

bool TextZoom::zoomOut()
{
    return setStep(step - 1);
}

bool TextZoom::reset()
{
    return setStep(0);
}

QFont TextZoom::textFont()
{
    return harringtonFont(pointSize(normalTextPoints));
}

QFont TextZoom::captionFont(const QFont &normal)
{
    QFont font;
    if (step != 0)
        font.setPointSize(pointSize(normal.pointSizeF()));
    return font;
}

int TextZoom::pointSize(qreal normalPoints)
{
    return qBound(smallestPoints, int(std::lround(normalPoints)) + step * pointsPerStep, largestPoints);
}

bool TextZoom::setStep(int wanted)
{
    const int bounded = qBound(fewestSteps, wanted, mostSteps);
    if (bounded == step)
        return false;
    step = bounded;
    return true;
}
