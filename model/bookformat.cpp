#include "bookformat.h"

using Place = BookFormat::Place;
using Attribute = BookFormat::Attribute;
using ValueKind = BookFormat::ValueKind;

const QVector<BookFormat::Element> &BookFormat::elements()
{
    static const QVector<Element> table = {
        { Place::Outside, nullptr, Place::Book },
        { Place::Book, "Attr", Place::Paragraph },
        { Place::Paragraph, "Text", Place::ParagraphText },
        { Place::Paragraph, "Type", Place::ParagraphType },
        { Place::Paragraph, "Choices", Place::Choices },
        { Place::Paragraph, "Flee", Place::Flee },
        { Place::Paragraph, "Monster", Place::Monster },
        { Place::Paragraph, "Luck", Place::Luck },
        { Place::Paragraph, "Objects", Place::Objects },
        { Place::Paragraph, "Bonus", Place::ParagraphBonus },
        { Place::Choices, nullptr, Place::Choice },
        { Place::Monster, nullptr, Place::Adversary },
        { Place::Luck, "Lucky", Place::Lucky },
        { Place::Luck, "Unlucky", Place::Unlucky },
        { Place::Objects, nullptr, Place::Object },
        { Place::Object, "Text", Place::ObjectName },
        { Place::Object, "Type", Place::ObjectType },
        { Place::Object, "Bonus", Place::ObjectBonus },
        { Place::Object, "Gold", Place::ObjectGold },
        { Place::Object, "Food", Place::ObjectFood },
        { Place::Object, "Other", Place::ObjectOther },
    };
    return table;
}

const QVector<BookFormat::AttributeEntry> &BookFormat::attributes()
{
    static const QVector<AttributeEntry> table = {
        // Read by the book list from the file's text, and by the checker.
        { Place::Book, Attribute::Title, ValueKind::Text },
        { Place::Paragraph, Attribute::Id, ValueKind::Text },
        { Place::Choice, Attribute::Value, ValueKind::Text },
        { Place::Flee, Attribute::Active, ValueKind::FlagOne },
        { Place::Flee, Attribute::Penality, ValueKind::FlagOne },
        { Place::Flee, Attribute::Ref, ValueKind::Text },
        { Place::Flee, Attribute::Round, ValueKind::Number },
        { Place::Monster, Attribute::Type, ValueKind::Text },
        { Place::Adversary, Attribute::Name, ValueKind::Text },
        { Place::Adversary, Attribute::Habilete, ValueKind::Number },
        { Place::Adversary, Attribute::Endurance, ValueKind::Number },
        { Place::Adversary, Attribute::Value, ValueKind::Text },
        { Place::Luck, Attribute::Active, ValueKind::FlagOne },
        { Place::Lucky, Attribute::Value, ValueKind::Text },
        { Place::Unlucky, Attribute::Value, ValueKind::Text },
        { Place::Object, Attribute::Exchange, ValueKind::FlagOne },
        { Place::Object, Attribute::Throw, ValueKind::FlagOne },
        { Place::ObjectBonus, Attribute::Habilete, ValueKind::Number },
        { Place::ObjectBonus, Attribute::Endurance, ValueKind::Number },
        { Place::ObjectBonus, Attribute::Chance, ValueKind::Number },
        { Place::ObjectGold, Attribute::Value, ValueKind::Number },
        { Place::ObjectFood, Attribute::Value, ValueKind::Number },
        { Place::ParagraphBonus, Attribute::Active, ValueKind::FlagNonzero },
        { Place::ParagraphBonus, Attribute::Habilete, ValueKind::Number },
        { Place::ParagraphBonus, Attribute::Endurance, ValueKind::Number },
        { Place::ParagraphBonus, Attribute::Chance, ValueKind::Number },
    };
    return table;
}

const QVector<BookFormat::TypeCode> &BookFormat::typeCodes()
{
    static const QVector<TypeCode> table = {
        { 'C', "Choices" }, { 'A', "Monster" }, { 'F', "Flee" },  { 'L', "Luck" },  { 'B', "Bonus" },
        { 'O', "Objects" }, { 'E', nullptr },   { 'X', nullptr }, { 'V', nullptr },
    };
    return table;
}

Place BookFormat::childPlace(Place parent, QStringView tag)
{
    if (parent == Place::Ignored || readsText(parent))
        return Place::Ignored;
    for (const Element &element : elements()) {
        if (element.parent == parent && (!element.tag || tag == QLatin1String(element.tag)))
            return element.place;
    }
    return Place::Ignored;
}

bool BookFormat::knowsChild(Place parent, QStringView tag)
{
    return parent == Place::Ignored || readsText(parent) || childPlace(parent, tag) != Place::Ignored;
}

bool BookFormat::readsText(Place place)
{
    switch (place) {
    case Place::ParagraphText:
    case Place::ParagraphType:
    case Place::Choice:
    case Place::Lucky:
    case Place::Unlucky:
    case Place::ObjectName:
    case Place::ObjectType:
    case Place::ObjectOther:
        return true;
    default:
        return false;
    }
}

QLatin1String BookFormat::name(Attribute attribute)
{
    static const char *const names[] = { "Title", "id",   "Value",    "active",    "Penality", "Ref",      "Round",
                                         "Type",  "Name", "Habilete", "Endurance", "Chance",   "exchange", "throw" };
    return QLatin1String(names[int(attribute)]);
}

bool BookFormat::attributeKind(Place place, QStringView attributeName, ValueKind *kind)
{
    for (const AttributeEntry &entry : attributes()) {
        if (entry.place == place && attributeName == name(entry.attribute)) {
            *kind = entry.kind;
            return true;
        }
    }
    return false;
}

int BookFormat::number(const QString &value)
{
    return value.toInt(nullptr, 10); // 0 for anything unreadable, as books expect
}

bool BookFormat::flagOne(const QString &value)
{
    return value == QLatin1String("1");
}

bool BookFormat::flagNonzero(const QString &value)
{
    return number(value) != 0;
}
