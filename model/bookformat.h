#ifndef BOOKFORMAT_H
#define BOOKFORMAT_H

#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <QVector>

// The book format, element by element: where each element may stand and what it is there,
// which attributes each place reads and what kind of value they hold, and the type codes of
// a paragraph. The loader, the checker and the reference reader of the fuzz tests all read
// books through this one description, so that they cannot drift apart.
class BookFormat {
public:
    // What an element is to the book, by its tag and its parent's place.
    enum class Place {
        Outside, // above the document element, whose name is free
        Book,
        Paragraph,
        ParagraphText,
        ParagraphType,
        Choices,
        Choice,
        Flee,
        Monster,
        Adversary,
        Luck,
        Lucky,
        Unlucky,
        Objects,
        Object,
        ObjectName,
        ObjectType,
        ObjectBonus,
        ObjectGold,
        ObjectFood,
        ObjectOther,
        ParagraphBonus,
        Ignored, // an element not read, and everything inside it
    };
    enum class ValueKind {
        Text, // taken verbatim
        Number, // a base-10 integer, 0 when unreadable
        FlagOne, // on exactly when "1"
        FlagNonzero, // on when read as a number other than 0
    };
    // The attributes the loader reads, by what they mean; their names are in the table.
    enum class Attribute {
        Title,
        Id,
        Value,
        Active,
        Penality,
        Ref,
        Round,
        Type,
        Name,
        Habilete,
        Endurance,
        Chance,
        Exchange,
        Throw
    };

    struct Element {
        Place parent;
        const char *tag; // null for a child of any tag
        Place place;
    };
    struct AttributeEntry {
        Place place;
        Attribute attribute;
        ValueKind kind;
    };
    // A type code and the element it draws on, or null when it needs none.
    struct TypeCode {
        char letter;
        const char *element;
    };

    static const QVector<Element> &elements();
    static const QVector<AttributeEntry> &attributes();
    static const QVector<TypeCode> &typeCodes();

    // The place a child element opens: Ignored when the format does not read it there,
    // and inside whatever is ignored or read as text.
    static Place childPlace(Place parent, QStringView tag);
    // False when the format has no element of that tag there.
    static bool knowsChild(Place parent, QStringView tag);
    // Places whose content is read as text, nested elements included.
    static bool readsText(Place place);
    static QLatin1String name(Attribute attribute);
    // The kind of value the attribute `name` holds at `place`; false when it is not read there.
    static bool attributeKind(Place place, QStringView name, ValueKind *kind);

    // Values as the format reads them.
    static int number(const QString &value);
    static bool flagOne(const QString &value);
    static bool flagNonzero(const QString &value);
};

#endif // BOOKFORMAT_H
