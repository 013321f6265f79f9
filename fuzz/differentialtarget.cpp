// Fuzz target: a book's bytes loaded both ways, by the loader in one streaming pass and by
// the reference that builds the DOM of the Qt in use and walks it. Where the loader stays
// within its limits, any difference in the paragraphs (null strings told from empty ones)
// or in whether the file is accepted is a finding, but for the differences the two readers
// are known to have (DocumentDifferences).

#include "bookparser.h"
#include "documentdifferences.h"
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
    QString failure;
    QString paragraphs;
};

template <typename Read> Reading readWith(const QString &path, Read read)
{
    Reading reading;
    QFile file(path);
    QMap<QString, Paragraph> paragraphs;
    if (BookParser::openBook(&file))
        reading.accepted = read(&file, &paragraphs, &reading);
    reading.paragraphs = describe(paragraphs);
    return reading;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data),
                             int(qMin(size, size_t(BookParser::maximumFileSize))));
    const QString path = FuzzEnvironment::instance().writeBook(content);
    const Reading loaded =
        readWith(path, [](QIODevice *device, QMap<QString, Paragraph> *paragraphs, Reading *reading) {
            BookParser::Failure failure;
            const bool accepted = BookParser::readBook(device, paragraphs, &reading->overLimits, &failure);
            reading->failure = failure.message;
            return accepted;
        });
    if (loaded.overLimits || DocumentDifferences::known(loaded.failure))
        return 0;
    const Reading reference = readWith(path, [](QIODevice *device, QMap<QString, Paragraph> *paragraphs, Reading *) {
        return DomReference::read(device, paragraphs);
    });
    if (loaded.accepted == reference.accepted &&
        DocumentDifferences::comparable(loaded.paragraphs) == DocumentDifferences::comparable(reference.paragraphs))
        return 0;
    std::fprintf(stderr, "finding: the loader and the DOM disagree\nloader (accepted %d): %s\n", loaded.accepted,
                 qPrintable(loaded.paragraphs.left(4000)));
    std::fprintf(stderr, "DOM (accepted %d): %s\n", reference.accepted, qPrintable(reference.paragraphs.left(4000)));
    std::abort();
}
