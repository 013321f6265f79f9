#include "vocabulary.h"

#include <QVector>

#include <algorithm>

namespace {

// Lower case, without accents, so that "habileté" compares equal to "Habilete".
QString folded(const QString &name)
{
    const QString decomposed = name.normalized(QString::NormalizationForm_D);
    QString plain;
    plain.reserve(decomposed.size());
    for (const QChar character : decomposed) {
        if (character.category() != QChar::Mark_NonSpacing)
            plain.append(character);
    }
    return plain.toCaseFolded();
}

// Edits (insertion, deletion, substitution, swap of neighbours) from one name to the other.
int editDistance(const QString &from, const QString &to)
{
    const int width = to.size() + 1;
    QVector<int> cost((from.size() + 1) * width);
    for (int i = 0; i <= from.size(); ++i) {
        for (int j = 0; j <= to.size(); ++j) {
            if (i == 0 || j == 0) {
                cost[i * width + j] = i + j;
                continue;
            }
            const bool same = from.at(i - 1) == to.at(j - 1);
            int best = std::min({ cost[(i - 1) * width + j] + 1, cost[i * width + j - 1] + 1,
                                  cost[(i - 1) * width + j - 1] + (same ? 0 : 1) });
            if (i > 1 && j > 1 && from.at(i - 1) == to.at(j - 2) && from.at(i - 2) == to.at(j - 1))
                best = std::min(best, cost[(i - 2) * width + j - 2] + 1);
            cost[i * width + j] = best;
        }
    }
    return cost.last();
}

bool isClose(const QString &name, const QString &known)
{
    const QString left = folded(name);
    const QString right = folded(known);
    const int allowed = right.size() >= 5 ? 2 : 1;
    // Names far longer or shorter than the known one cannot be close; this also keeps the
    // cost of a hostile, megabyte-long name down.
    if (qAbs(left.size() - right.size()) > allowed)
        return false;
    return editDistance(left, right) <= allowed;
}

template <typename Names, typename Accept> QString closest(const Names &names, const QString &name, Accept accept)
{
    for (const auto &entry : names) {
        const char *known = accept(entry);
        if (known && name != QLatin1String(known) && isClose(name, QLatin1String(known)))
            return QLatin1String(known);
    }
    return QString();
}

} // namespace

QString Vocabulary::closeElement(BookFormat::Place parent, const QString &tag)
{
    return closest(BookFormat::elements(), tag, [parent](const BookFormat::Element &element) {
        return element.parent == parent ? element.tag : nullptr;
    });
}

QString Vocabulary::closeAttribute(BookFormat::Place place, const QString &name)
{
    return closest(BookFormat::attributes(), name, [place](const BookFormat::AttributeEntry &entry) {
        return entry.place == place ? BookFormat::name(entry.attribute).data() : nullptr;
    });
}
