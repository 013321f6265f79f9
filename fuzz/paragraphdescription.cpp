#include "paragraphdescription.h"

#include <QStringList>

namespace {

// A description already made, of a record or a map, taken as it is.
struct Described {
    QString text;
};

QString field(const QString &text)
{
    return text.isNull() ? QStringLiteral("null") : QLatin1Char('"') + text + QLatin1Char('"');
}

QString field(int number)
{
    return QString::number(number);
}

QString field(const Described &described)
{
    return described.text;
}

template <typename... Values> Described fields(const Values &...values)
{
    return Described { QStringList { field(values)... }.join(QLatin1Char(' ')) };
}

template <typename Record, typename Describe> Described describeMap(const QMap<QString, Record> &map, Describe describe)
{
    QStringList entries;
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry)
        entries.append(field(entry.key()) + QLatin1Char(':') + describe(entry.value()).text);
    return Described { QLatin1Char('{') + entries.join(QLatin1Char(',')) + QLatin1Char('}') };
}

} // namespace

QString ParagraphDescription::describe(const QMap<QString, Paragraph> &paragraphs)
{
    return describeMap(
               paragraphs,
               [](const Paragraph &paragraph) {
                   const LuckTest &luck = paragraph.luck;
                   const auto monster = [](const Monster &monster) {
                       return fields(monster.name, monster.habilete, monster.endurance, monster.value);
                   };
                   const auto object = [](const GameObject &object) {
                       return fields(object.name, object.type, object.exchange, object.throwAway, object.bonusHabilete,
                                     object.bonusEndurance, object.bonusChance, object.gold, object.food, object.other);
                   };
                   const auto choice = [](const Choice &choice) { return fields(choice.target, choice.text); };
                   return fields(paragraph.text, paragraph.type, paragraph.bonusActive, paragraph.bonusHabilete,
                                 paragraph.bonusEndurance, paragraph.bonusChance, paragraph.fleeActive,
                                 paragraph.fleePenalty, paragraph.fleeRound, paragraph.fleeRef, paragraph.monsterType,
                                 describeMap(paragraph.monsters, monster), luck.active, luck.lucky.target,
                                 luck.lucky.text, luck.unlucky.target, luck.unlucky.text,
                                 describeMap(paragraph.objects, object), describeMap(paragraph.choices, choice));
               })
        .text;
}
