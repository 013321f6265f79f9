#include "paragraphbuilder.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace {

// The characters of `value` in a string of their own size. The parser hands out strings
// with room to spare, as much as its longest text so far needed: kept as they are, the ids
// and targets of a book took as much memory as its texts.
QString ownCopy(const QString &value)
{
    return value.capacity() > value.size() ? QString(value.constData(), value.size()) : value;
}

// The value of the attribute's last occurrence, as the DOM keeps it; null when missing.
QString attribute(const QXmlAttributes &attributes, QLatin1String name)
{
    for (int index = attributes.length() - 1; index >= 0; --index) {
        if (attributes.qName(index) == name)
            return ownCopy(attributes.value(index));
    }
    return QString();
}

int number(const QString &value)
{
    return value.toInt(nullptr, 10); // 0 for anything unreadable, as books expect
}

int numberAttribute(const QXmlAttributes &attributes, QLatin1String name)
{
    return number(attribute(attributes, name));
}

bool flagOne(const QXmlAttributes &attributes, QLatin1String name)
{
    return attribute(attributes, name) == QLatin1String("1");
}

} // namespace

ParagraphBuilder::ParagraphBuilder(QMap<QString, Paragraph> *paragraphs)
    : paragraphs(paragraphs)
{
}

bool ParagraphBuilder::startDocument()
{
    roles.clear();
    bookFound = false;
    gathering = false;
    text.resize(0);
    inCdata = false;
    entityName.clear();
    return true;
}

bool ParagraphBuilder::endDocument()
{
    return roles.isEmpty();
}

bool ParagraphBuilder::startElement(const QString &, const QString &, const QString &qualifiedName,
                                    const QXmlAttributes &attributes)
{
    const Role role = roleOf(qualifiedName);
    roles.append(role);
    open(role, attributes);
    return true;
}

bool ParagraphBuilder::endElement(const QString &, const QString &, const QString &)
{
    if (roles.isEmpty())
        return false;
    close(roles.takeLast());
    return true;
}

bool ParagraphBuilder::characters(const QString &characters)
{
    if (roles.isEmpty())
        return false;
    if (gathering && (inCdata || entityName.isEmpty()))
        text += characters;
    return true;
}

bool ParagraphBuilder::startCDATA()
{
    inCdata = true;
    return true;
}

bool ParagraphBuilder::endCDATA()
{
    inCdata = false;
    return true;
}

bool ParagraphBuilder::startEntity(const QString &name)
{
    entityName = name;
    return true;
}

bool ParagraphBuilder::endEntity(const QString &)
{
    entityName.clear();
    return true;
}

ParagraphBuilder::Role ParagraphBuilder::roleOf(const QString &tag) const
{
    if (roles.isEmpty())
        return bookFound ? Role::Ignored : Role::Book;
    struct Child {
        Role parent;
        const char *tag; // null for any tag
        Role role;
    };
    static const Child children[] = {
        { Role::Book, "Attr", Role::Paragraph },      { Role::Paragraph, "Text", Role::Text },
        { Role::Paragraph, "Type", Role::Type },      { Role::Paragraph, "Choices", Role::Choices },
        { Role::Paragraph, "Flee", Role::Flee },      { Role::Paragraph, "Monster", Role::Monster },
        { Role::Paragraph, "Luck", Role::Luck },      { Role::Paragraph, "Objects", Role::Objects },
        { Role::Paragraph, "Bonus", Role::Bonus },    { Role::Choices, nullptr, Role::Choice },
        { Role::Monster, nullptr, Role::Adversary },  { Role::Luck, "Lucky", Role::Lucky },
        { Role::Luck, "Unlucky", Role::Unlucky },     { Role::Objects, nullptr, Role::Object },
        { Role::Object, "Text", Role::ObjectName },   { Role::Object, "Type", Role::ObjectType },
        { Role::Object, "Bonus", Role::ObjectBonus }, { Role::Object, "Gold", Role::ObjectGold },
        { Role::Object, "Food", Role::ObjectFood },   { Role::Object, "Other", Role::ObjectOther },
    };
    const Role parent = roles.last();
    for (const Child &child : children) {
        if (child.parent == parent && (!child.tag || tag == QLatin1String(child.tag)))
            return child.role;
    }
    return Role::Ignored;
}

bool ParagraphBuilder::readsText(Role role)
{
    switch (role) {
    case Role::Text:
    case Role::Type:
    case Role::Choice:
    case Role::Lucky:
    case Role::Unlucky:
    case Role::ObjectName:
    case Role::ObjectType:
    case Role::ObjectOther:
        return true;
    default:
        return false;
    }
}

void ParagraphBuilder::open(Role role, const QXmlAttributes &attributes)
{
    gathering = gathering || readsText(role);
    switch (role) {
    case Role::Book:
        bookFound = true;
        break;
    case Role::Paragraph:
        paragraph = Paragraph();
        id = attribute(attributes, QLatin1String("id"));
        break;
    case Role::Choices:
    case Role::Objects:
        entries = 0;
        break;
    case Role::Choice:
        ++entries;
        target = attribute(attributes, QLatin1String("Value"));
        break;
    case Role::Flee:
        paragraph.fleeActive = flagOne(attributes, QLatin1String("active"));
        paragraph.fleePenalty = flagOne(attributes, QLatin1String("Penality"));
        paragraph.fleeRef = attribute(attributes, QLatin1String("Ref"));
        paragraph.fleeRound = numberAttribute(attributes, QLatin1String("Round"));
        break;
    case Role::Monster:
        entries = 0;
        paragraph.monsterType = attribute(attributes, QLatin1String("Type"));
        break;
    case Role::Adversary:
        paragraph.monsters.insert(subMapKey('M', ++entries),
                                  Monster { attribute(attributes, QLatin1String("Name")),
                                            numberAttribute(attributes, QLatin1String("Habilete")),
                                            numberAttribute(attributes, QLatin1String("Endurance")),
                                            attribute(attributes, QLatin1String("Value")) });
        break;
    case Role::Luck:
        paragraph.luck.active = flagOne(attributes, QLatin1String("active"));
        break;
    case Role::Lucky:
    case Role::Unlucky:
        target = attribute(attributes, QLatin1String("Value"));
        break;
    case Role::Object:
        ++entries;
        object = GameObject();
        object.exchange = flagOne(attributes, QLatin1String("exchange"));
        object.throwAway = flagOne(attributes, QLatin1String("throw"));
        break;
    case Role::ObjectBonus:
        object.bonusHabilete = numberAttribute(attributes, QLatin1String("Habilete"));
        object.bonusEndurance = numberAttribute(attributes, QLatin1String("Endurance"));
        object.bonusChance = numberAttribute(attributes, QLatin1String("Chance"));
        break;
    case Role::ObjectGold:
        object.gold = numberAttribute(attributes, QLatin1String("Value"));
        break;
    case Role::ObjectFood:
        object.food = numberAttribute(attributes, QLatin1String("Value"));
        break;
    case Role::Bonus:
        paragraph.bonusActive = numberAttribute(attributes, QLatin1String("active")) != 0;
        paragraph.bonusHabilete = numberAttribute(attributes, QLatin1String("Habilete"));
        paragraph.bonusEndurance = numberAttribute(attributes, QLatin1String("Endurance"));
        paragraph.bonusChance = numberAttribute(attributes, QLatin1String("Chance"));
        break;
    default:
        break;
    }
}

void ParagraphBuilder::close(Role role)
{
    switch (role) {
    case Role::Paragraph:
        paragraphs->insert(id, paragraph);
        break;
    case Role::Text:
        paragraph.text = takeText();
        break;
    case Role::Type:
        paragraph.type = takeText();
        break;
    case Role::Choice:
        paragraph.choices.insert(subMapKey('C', entries), Choice { target, takeText() });
        break;
    case Role::Lucky:
        paragraph.luck.lucky = LuckOutcome { target, takeText() };
        break;
    case Role::Unlucky:
        paragraph.luck.unlucky = LuckOutcome { target, takeText() };
        break;
    case Role::Object:
        paragraph.objects.insert(subMapKey('O', entries), object);
        break;
    case Role::ObjectName:
        object.name = takeText();
        break;
    case Role::ObjectType:
        object.type = number(takeText());
        break;
    case Role::ObjectOther:
        object.other = takeText();
        break;
    default:
        break;
    }
}

QString ParagraphBuilder::takeText()
{
    // A string of its own size, never null, as the DOM's text of an element; the gathering
    // buffer keeps its room for the next text.
    const QString taken(text.constData(), text.size());
    text.resize(0);
    gathering = false;
    return taken;
}

bool ParagraphBuilder::fatalError(const QXmlParseException &exception)
{
    lastFailureMessage = exception.message();
    lastFailureLine = exception.lineNumber();
    return false;
}

const QString &ParagraphBuilder::failureMessage() const
{
    return lastFailureMessage;
}

int ParagraphBuilder::failureLine() const
{
    return lastFailureLine;
}

QT_WARNING_POP
