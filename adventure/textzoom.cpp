#include "textzoom.h"

#include "harringtonfont.h"
#include "readersettings.h"

#include <cmath>

namespace {

constexpr int pointsPerStep = 2;
// The steps that keep the paragraph's text within its bounds.
constexpr int fewestSteps = (TextZoom::smallestPoints - TextZoom::normalTextPoints) / pointsPerStep;
constexpr int mostSteps = (TextZoom::largestPoints - TextZoom::normalTextPoints) / pointsPerStep;
const QString stepKey = QStringLiteral("display/textStep");
const QString familyKey = QStringLiteral("display/textFamily");

} // namespace

int TextZoom::step = 0;
QString TextZoom::family;

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

void TextZoom::restore()
{
    step = qBound(fewestSteps, ReaderSettings::integer(stepKey, 0), mostSteps);
    family = ReaderSettings::text(familyKey).trimmed();
}

void TextZoom::setTextFamily(const QString &chosen)
{
    family = chosen.left(ReaderSettings::maximumTextLength);
    ReaderSettings::setValue(familyKey, family);
}

QFont TextZoom::textFont()
{
    QFont font = harringtonFont(pointSize(normalTextPoints));
    // A family the system lacks is matched by Qt's font matching, as Harrington itself is.
    if (!family.isEmpty())
        font.setFamily(family);
    return font;
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
    ReaderSettings::setValue(stepKey, step);
    return true;
}
