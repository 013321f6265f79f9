#include "domreference.h"

#include "bookparser.h"
#include "boundedxmlreader.h"
#include "watchedinputsource.h"

#include <QDomDocument>
#include <QDomElement>

namespace {

int number(const QString &value)
{
    return value.toInt(nullptr, 10); // 0 for anything unreadable, as books expect
}

bool flagOne(const QDomElement &element, const QString &attribute)
{
    return element.attribute(attribute) == QLatin1String("1");
}

// Calls `read` for each child element with its 1-based position, as the sub-map keys count.
template <typename Read> void forEachNumberedChild(const QDomElement &parent, Read read)
{
    int position = 0;
    for (QDomElement child = parent.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        read(child, ++position);
}

Choice readChoice(const QDomElement &element)
{
    return Choice { element.attribute(QStringLiteral("Value")), element.text() };
}

Monster readMonster(const QDomElement &element)
{
    Monster monster;
    monster.name = element.attribute(QStringLiteral("Name"));
    monster.habilete = number(element.attribute(QStringLiteral("Habilete")));
    monster.endurance = number(element.attribute(QStringLiteral("Endurance")));
    monster.value = element.attribute(QStringLiteral("Value"));
    return monster;
}

LuckOutcome readLuckOutcome(const QDomElement &element)
{
    return LuckOutcome { element.attribute(QStringLiteral("Value")), element.text() };
}

void readLuck(const QDomElement &element, LuckTest *luck)
{
    luck->active = flagOne(element, QStringLiteral("active"));
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("Lucky"))
            luck->lucky = readLuckOutcome(child);
        else if (child.tagName() == QLatin1String("Unlucky"))
            luck->unlucky = readLuckOutcome(child);
    }
}

GameObject readObject(const QDomElement &element)
{
    GameObject object;
    object.exchange = flagOne(element, QStringLiteral("exchange"));
    object.throwAway = flagOne(element, QStringLiteral("throw"));
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("Text")) {
            object.name = child.text();
        } else if (tag == QLatin1String("Type")) {
            object.type = number(child.text());
        } else if (tag == QLatin1String("Bonus")) {
            object.bonusHabilete = number(child.attribute(QStringLiteral("Habilete")));
            object.bonusEndurance = number(child.attribute(QStringLiteral("Endurance")));
            object.bonusChance = number(child.attribute(QStringLiteral("Chance")));
        } else if (tag == QLatin1String("Gold")) {
            object.gold = number(child.attribute(QStringLiteral("Value")));
        } else if (tag == QLatin1String("Food")) {
            object.food = number(child.attribute(QStringLiteral("Value")));
        } else if (tag == QLatin1String("Other")) {
            object.other = child.text();
        }
    }
    return object;
}

void readFlee(const QDomElement &element, Paragraph *paragraph)
{
    paragraph->fleeActive = flagOne(element, QStringLiteral("active"));
    paragraph->fleePenalty = flagOne(element, QStringLiteral("Penality"));
    paragraph->fleeRef = element.attribute(QStringLiteral("Ref"));
    paragraph->fleeRound = number(element.attribute(QStringLiteral("Round")));
}

void readBonus(const QDomElement &element, Paragraph *paragraph)
{
    paragraph->bonusActive = number(element.attribute(QStringLiteral("active"))) != 0;
    paragraph->bonusHabilete = number(element.attribute(QStringLiteral("Habilete")));
    paragraph->bonusEndurance = number(element.attribute(QStringLiteral("Endurance")));
    paragraph->bonusChance = number(element.attribute(QStringLiteral("Chance")));
}

Paragraph readParagraph(const QDomElement &attr)
{
    Paragraph paragraph;
    for (QDomElement child = attr.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("Text")) {
            paragraph.text = child.text();
        } else if (tag == QLatin1String("Type")) {
            paragraph.type = child.text();
        } else if (tag == QLatin1String("Choices")) {
            forEachNumberedChild(child, [&](const QDomElement &entry, int position) {
                paragraph.choices.insert(subMapKey('C', position), readChoice(entry));
            });
        } else if (tag == QLatin1String("Flee")) {
            readFlee(child, &paragraph);
        } else if (tag == QLatin1String("Monster")) {
            paragraph.monsterType = child.attribute(QStringLiteral("Type"));
            forEachNumberedChild(child, [&](const QDomElement &entry, int position) {
                paragraph.monsters.insert(subMapKey('M', position), readMonster(entry));
            });
        } else if (tag == QLatin1String("Luck")) {
            readLuck(child, &paragraph.luck);
        } else if (tag == QLatin1String("Objects")) {
            forEachNumberedChild(child, [&](const QDomElement &entry, int position) {
                paragraph.objects.insert(subMapKey('O', position), readObject(entry));
            });
        } else if (tag == QLatin1String("Bonus")) {
            readBonus(child, &paragraph);
        }
    }
    return paragraph;
}

// The parse of the document alone, paragraphs aside.
bool readDocument(QIODevice *device, QDomDocument *document, bool *overLimits)
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    WatchedInputSource source(device);
    BoundedXmlReader reader(BookParser::limits(), &source);
    const bool parsed = document->setContent(&source, &reader);
    *overLimits = reader.overLimits();
    QT_WARNING_POP
    return parsed;
}

// The paragraphs of a parsed document, or none when the parse failed.
bool fill(bool parsed, const QDomDocument &document, QMap<QString, Paragraph> *paragraphs)
{
    paragraphs->clear();
    if (parsed)
        DomReference::parseParagraphs(document.documentElement(), paragraphs);
    return parsed;
}

} // namespace

bool DomReference::readBounded(QIODevice *device, QMap<QString, Paragraph> *paragraphs, bool *overLimits)
{
    QDomDocument document;
    const bool parsed = readDocument(device, &document, overLimits);
    return fill(parsed, document, paragraphs);
}

bool DomReference::readPlain(QIODevice *device, QMap<QString, Paragraph> *paragraphs)
{
    QDomDocument document;
    const bool parsed = document.setContent(device);
    return fill(parsed, document, paragraphs);
}

void DomReference::parseParagraphs(const QDomElement &rootElement, QMap<QString, Paragraph> *paragraphs)
{
    const QString attrTag = QStringLiteral("Attr");
    for (QDomElement attr = rootElement.firstChildElement(attrTag); !attr.isNull();
         attr = attr.nextSiblingElement(attrTag))
        paragraphs->insert(attr.attribute(QStringLiteral("id")), readParagraph(attr));
}
