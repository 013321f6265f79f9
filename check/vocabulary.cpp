#include "vocabulary.h"

#include <QVector>

#include <algorithm>

namespace {

using Context = Vocabulary::Context;
using ValueKind = Vocabulary::ValueKind;

struct ElementName {
    Context parent;
    const char *tag; // null for a child of any name
    Context context;
};

struct AttributeName {
    Context context;
    const char *name;
    ValueKind kind;
};

const ElementName elements[] = {
    { Context::Document, nullptr, Context::Root },       { Context::Root, "Attr", Context::Paragraph },
    { Context::Paragraph, "Text", Context::Text },       { Context::Paragraph, "Type", Context::Text },
    { Context::Paragraph, "Choices", Context::Choices }, { Context::Paragraph, "Flee", Context::Flee },
    { Context::Paragraph, "Monster", Context::Monster }, { Context::Paragraph, "Luck", Context::Luck },
    { Context::Paragraph, "Objects", Context::Objects }, { Context::Paragraph, "Bonus", Context::ParagraphBonus },
    { Context::Choices, nullptr, Context::Caption },     { Context::Monster, nullptr, Context::Adversary },
    { Context::Luck, "Lucky", Context::Caption },        { Context::Luck, "Unlucky", Context::Caption },
    { Context::Objects, nullptr, Context::Object },      { Context::Object, "Text", Context::Text },
    { Context::Object, "Type", Context::NumberText },    { Context::Object, "Bonus", Context::Bonus },
    { Context::Object, "Gold", Context::Amount },        { Context::Object, "Food", Context::Amount },
    { Context::Object, "Other", Context::Text },
};

const AttributeName attributes[] = {
    { Context::Root, "Title", ValueKind::Text },
    { Context::Paragraph, "id", ValueKind::Text },
    { Context::Caption, "Value", ValueKind::Text },
    { Context::Flee, "active", ValueKind::FlagOne },
    { Context::Flee, "Penality", ValueKind::FlagOne },
    { Context::Flee, "Ref", ValueKind::Text },
    { Context::Flee, "Round", ValueKind::Number },
    { Context::Monster, "Type", ValueKind::Text },
    { Context::Adversary, "Name", ValueKind::Text },
    { Context::Adversary, "Habilete", ValueKind::Number },
    { Context::Adversary, "Endurance", ValueKind::Number },
    { Context::Adversary, "Value", ValueKind::Text },
    { Context::Luck, "active", ValueKind::FlagOne },
    { Context::Object, "exchange", ValueKind::FlagOne },
    { Context::Object, "throw", ValueKind::FlagOne },
    { Context::Bonus, "Habilete", ValueKind::Number },
    { Context::Bonus, "Endurance", ValueKind::Number },
    { Context::Bonus, "Chance", ValueKind::Number },
    { Context::ParagraphBonus, "active", ValueKind::FlagNonzero },
    { Context::ParagraphBonus, "Habilete", ValueKind::Number },
    { Context::ParagraphBonus, "Endurance", ValueKind::Number },
    { Context::ParagraphBonus, "Chance", ValueKind::Number },
    { Context::Amount, "Value", ValueKind::Number },
};

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

std::optional<Context> Vocabulary::childContext(Context parent, const QString &tag)
{
    if (holdsText(parent) || parent == Context::Ignored)
        return Context::Ignored;
    for (const ElementName &element : elements) {
        if (element.parent == parent && (!element.tag || tag == QLatin1String(element.tag)))
            return element.context;
    }
    return std::nullopt;
}

std::optional<ValueKind> Vocabulary::attributeKind(Context context, const QString &name)
{
    for (const AttributeName &attribute : attributes) {
        if (attribute.context == context && name == QLatin1String(attribute.name))
            return attribute.kind;
    }
    return std::nullopt;
}

bool Vocabulary::holdsText(Context context)
{
    return context == Context::Caption || context == Context::Text || context == Context::NumberText;
}

QString Vocabulary::closeElement(Context parent, const QString &tag)
{
    return closest(elements, tag,
                   [parent](const ElementName &element) { return element.parent == parent ? element.tag : nullptr; });
}

QString Vocabulary::closeAttribute(Context context, const QString &name)
{
    return closest(attributes, name, [context](const AttributeName &attribute) {
        return attribute.context == context ? attribute.name : nullptr;
    });
}
