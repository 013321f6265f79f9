// Fuzz target: a book's bytes loaded both ways, by the loader from the parser's events and
// by the reference that builds QtXml's DOM through the same bounded parser and walks it.
// Any difference, in the paragraphs (null strings told from empty ones) or in whether the
// file is accepted and why, is a finding. Within the limits, a plain
// QDomDocument::setContent must agree too.

#include "bookparser.h"
#include "domreference.h"
#include "fuzzenvironment.h"

#include <QFile>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

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

// Every field of every paragraph, in a text that differs whenever the paragraphs do.
QString describe(const QMap<QString, Paragraph> &paragraphs)
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

struct Reading {
    bool accepted = false;
    bool overLimits = false;
    QString paragraphs;
};

template <typename Read> Reading readWith(const QString &path, Read read)
{
    Reading reading;
    QFile file(path);
    QMap<QString, Paragraph> paragraphs;
    if (BookParser::openBook(&file))
        reading.accepted = read(&file, &paragraphs, &reading.overLimits);
    reading.paragraphs = describe(paragraphs);
    return reading;
}

void compare(const char *way, const Reading &loaded, const Reading &reference)
{
    if (loaded.accepted == reference.accepted && loaded.overLimits == reference.overLimits &&
        loaded.paragraphs == reference.paragraphs)
        return;
    std::fprintf(stderr, "finding: the loader and %s disagree\nloader (accepted %d, over limits %d): %s\n", way,
                 loaded.accepted, loaded.overLimits, qPrintable(loaded.paragraphs.left(4000)));
    std::fprintf(stderr, "%s (accepted %d, over limits %d): %s\n", way, reference.accepted, reference.overLimits,
                 qPrintable(reference.paragraphs.left(4000)));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data),
                             int(qMin(size, size_t(BookParser::maximumFileSize))));
    const QString path = FuzzEnvironment::instance().writeBook(content);
    const Reading loaded =
        readWith(path, [](QIODevice *device, QMap<QString, Paragraph> *paragraphs, bool *overLimits) {
            return BookParser::readBook(device, paragraphs, overLimits);
        });
    compare("the DOM through the bounded parser", loaded, readWith(path, &DomReference::readBounded));
    // The plain parse follows the same steps up to the same end, so it is safe where the
    // bounded one stayed within its limits.
    if (!loaded.overLimits)
        compare("the plain DOM", loaded,
                readWith(path, [](QIODevice *device, QMap<QString, Paragraph> *paragraphs, bool *) {
                    return DomReference::readPlain(device, paragraphs);
                }));
    return 0;
}
