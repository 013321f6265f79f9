#include "entitybudget.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <iterator>

namespace {

bool isNameCharacter(QChar character)
{
    // What may follow '&' or '%' in a reference; anything else ends the scan of a name.
    const ushort unit = character.unicode();
    return unit > 0x7f || (unit >= 'a' && unit <= 'z') || (unit >= 'A' && unit <= 'Z') ||
        (unit >= '0' && unit <= '9') || unit == '_' || unit == ':' || unit == '-' || unit == '.';
}

} // namespace

EntityBudget::EntityBudget(int nestingLimit)
    : nestingLimit(nestingLimit)
{
}

bool EntityBudget::admit(const QString &block)
{
    // Most characters of a text play no part: only '%', '&', '(', '<' and '>' do, and any
    // within a name.
    constexpr quint64 marks =
        (quint64(1) << '%') | (quint64(1) << '&') | (quint64(1) << '(') | (quint64(1) << '<') | (quint64(1) << '>');
    const ushort *unit = block.utf16();
    const ushort *const end = unit + block.size();
    while (unit < end) {
        if (state == State::Text) {
            while (unit < end && (*unit >= 64 || !((marks >> *unit) & 1)))
                ++unit;
            if (unit == end)
                break;
        }
        scan(QChar(*unit++));
        if (exceeded)
            return false;
    }
    return true;
}

void EntityBudget::scan(QChar character)
{
    if (state == State::Name) {
        if (character == QLatin1Char(';')) {
            endReference();
            state = State::Text;
            return;
        }
        if (isNameCharacter(character) && name.size() < longestName) {
            name.append(character);
            return;
        }
        state = State::Text; // not a reference to an entity; the character is read as text
    }
    if (character == QLatin1Char('&') || character == QLatin1Char('%')) {
        state = State::Name;
        name.resize(0);
    } else if (character == QLatin1Char('(')) {
        exceeded = exceeded || ++nesting > nestingLimit;
    } else if (character == QLatin1Char('<') || character == QLatin1Char('>')) {
        nesting = 0;
    }
}

void EntityBudget::endReference()
{
    static const QString predefined[] = { QStringLiteral("lt"), QStringLiteral("gt"), QStringLiteral("amp"),
                                          QStringLiteral("apos"), QStringLiteral("quot") };
    if (name.isEmpty() || std::find(std::begin(predefined), std::end(predefined), name) != std::end(predefined))
        return;
    if (!declared) {
        charge(maximumExpansion);
        return;
    }
    // Character references and references to undeclared entities add nothing.
    if (replacements.contains(name))
        charge(expansion(name, 0) - (name.size() + 2));
}

void EntityBudget::charge(qint64 characters)
{
    added += qMax<qint64>(characters, 0);
    exceeded = exceeded || added > maximumAddedCharacters;
}

void EntityBudget::learnDeclarations(const QXmlStreamReader &reader)
{
    declared = true;
    longestName = 0;
    for (const QXmlStreamEntityDeclaration &declaration : reader.entityDeclarations()) {
        // External and unparsed entities are not expanded.
        if (!declaration.systemId().isEmpty() || !declaration.notationName().isEmpty())
            continue;
        const QString entityName = declaration.name().toString();
        replacements.insert(entityName, declaration.value().toString());
        longestName = qMax(longestName, entityName.size());
    }
}

// The characters a reference to `entityName` expands to, nested references expanded, at
// most what the parser allows. A loop of references, or references nested deeper than any
// book needs, count as that most, so that each entity is measured once and the measure
// cannot recurse without end.
int EntityBudget::expansion(const QString &entityName, int depth)
{
    const auto known = expansions.constFind(entityName);
    if (known != expansions.constEnd())
        return *known;
    if (depth > maximumNestedReferences)
        return maximumExpansion;
    expansions.insert(entityName, maximumExpansion); // while measured, as a loop finds it
    const QString &replacement = replacements.value(entityName);
    int characters = 0;
    for (int index = 0; index < replacement.size() && characters <= maximumExpansion; ++index) {
        const int end = replacement.at(index) == QLatin1Char('&') ? replacement.indexOf(QLatin1Char(';'), index) : -1;
        const QString nested = end > index + 1 ? replacement.mid(index + 1, end - index - 1) : QString();
        if (replacements.contains(nested)) {
            characters += expansion(nested, depth + 1);
            index = end;
        } else {
            ++characters;
        }
    }
    characters = qMin(characters, maximumExpansion);
    expansions.insert(entityName, characters);
    return characters;
}
