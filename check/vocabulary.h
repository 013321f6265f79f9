#ifndef VOCABULARY_H
#define VOCABULARY_H

#include <QString>

#include <optional>

// The names of the book format, element by element, as the loader reads them: which child
// elements and attributes each place knows, what kind of value an attribute holds, and
// which known name an unknown one is close to.
class Vocabulary {
public:
    // The places of a book file. Text holders keep whatever they contain as text.
    enum class Context {
        Document, // above the root element, whose name is free
        Root,
        Paragraph,
        Choices,
        Flee,
        Monster,
        Adversary,
        Luck,
        Objects,
        Object,
        Bonus, // a bonus of a paragraph or of an object: scores only
        ParagraphBonus,
        Amount, // gold or provisions of an object
        Caption, // text content with a target in `Value`: a choice or a luck outcome
        Text, // text content: a paragraph's text or codes, an object's name or notes
        NumberText, // text content read as a number: an object's type
        Ignored, // inside an element the loader does not read
    };
    enum class ValueKind { Text, Number, FlagOne, FlagNonzero };

    // The place a child element opens, or nothing when the loader ignores it there.
    static std::optional<Context> childContext(Context parent, const QString &tag);
    static std::optional<ValueKind> attributeKind(Context context, const QString &name);
    static bool holdsText(Context context);

    // A known name that `name` probably misspells (another case, a missing accent, a letter
    // or two off), or a null string.
    static QString closeElement(Context parent, const QString &tag);
    static QString closeAttribute(Context context, const QString &name);
};

#endif // VOCABULARY_H
