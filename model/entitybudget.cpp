#include "entitybudget.h"

#include "unitsearch.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <iterator>

namespace {

// What may follow '&' or '%' in a reference, as a code unit of UTF-16 or UTF-8; anything
// else ends the scan of a name.
bool isNameUnit(ushort unit)
{
    return unit > 0x7f || (unit >= 'a' && unit <= 'z') || (unit >= 'A' && unit <= 'Z') ||
        (unit >= '0' && unit <= '9') || unit == '_' || unit == ':' || unit == '-' || unit == '.';
}

// Most characters of a text play no part: only '%', '&', '(', '<' and '>' do.
bool isMark(ushort unit)
{
    constexpr quint64 marks =
        (quint64(1) << '%') | (quint64(1) << '&') | (quint64(1) << '(') | (quint64(1) << '<') | (quint64(1) << '>');
    return unit < 64 && ((marks >> unit) & 1);
}

} // namespace

EntityBudget::EntityBudget(int nestingLimit)
    : nestingLimit(nestingLimit)
{
}

bool EntityBudget::admit(const QString &block)
{
    return admitUnits(block.utf16(), block.utf16() + block.size());
}

bool EntityBudget::admit(const QByteArray &block)
{
    const auto *const units = reinterpret_cast<const uchar *>(block.constData());
    return admitUnits(units, units + block.size());
}

template <typename Unit>
bool EntityBudget::admitUnits(const Unit *unit, const Unit *end)
{
    // Within no parentheses, '<' and '>' change nothing: then only the rarer marks are
    // looked for.
    UnitSearch::Next<Unit> nextReference(unit, end, '&');
    UnitSearch::Next<Unit> nextParameterReference(unit, end, '%');
    UnitSearch::Next<Unit> nextParenthesis(unit, end, '(');
    while (unit < end && !exceeded) {
        if (state == State::Name) {
            const Unit *const nameStart = unit;
            while (unit < end && isNameUnit(*unit))
                ++unit;
            extendName(nameStart, unit);
            if (unit == end)
                break;
            if (state == State::Name && *unit == ';') {
                endReference();
                state = State::Text;
                ++unit;
                continue;
            }
            state = State::Text; // not a reference to an entity; the character is read as text
        }
        if (nesting == 0) {
            unit = std::min({ nextReference.from(unit), nextParameterReference.from(unit), nextParenthesis.from(unit) });
        } else {
            while (unit < end && !isMark(*unit))
                ++unit;
        }
        if (unit < end)
            scanMark(*unit++);
    }
    return !exceeded;
}

void EntityBudget::scanMark(ushort mark)
{
    if (mark == '&' || mark == '%') {
        state = State::Name;
        name.resize(0);
    } else if (mark == '(') {
        exceeded = exceeded || ++nesting > nestingLimit;
    } else {
        nesting = 0;
    }
}

void EntityBudget::extendName(const ushort *start, const ushort *end)
{
    if (name.size() + (end - start) > longestName)
        state = State::Text;
    else
        name.append(reinterpret_cast<const QChar *>(start), int(end - start));
}

void EntityBudget::extendName(const uchar *start, const uchar *end)
{
    // The name's length in UTF-16, as the other form counts it: one unit for each
    // character, two for those past U+FFFF.
    qint64 units = 0;
    for (const uchar *byte = start; byte < end; ++byte)
        units += ((*byte & 0xc0) != 0x80 ? 1 : 0) + (*byte >= 0xf0 ? 1 : 0);
    if (name.size() + units > longestName)
        state = State::Text;
    else
        name.append(QString::fromUtf8(reinterpret_cast<const char *>(start), int(end - start)));
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
