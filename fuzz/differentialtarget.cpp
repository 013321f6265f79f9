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

QString quoted(const QString &text)
{
    return text.isNull() ? QStringLiteral("null") : QLatin1Char('"') + text + QLatin1Char('"');
}

template <typename Record, typename Describe> QString describeMap(const QMap<QString, Record> &map, Describe describe)
{
    QStringList entries;
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry)
        entries.append(quoted(entry.key()) + QLatin1Char(':') + describe(entry.value()));
    return QLatin1Char('{') + entries.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString describeObject(const GameObject &object)
{
    return QStringList { quoted(object.name),
                         QString::number(object.type),
                         QString::number(object.exchange),
                         QString::number(object.throwAway),
                         QString::number(object.bonusHabilete),
                         QString::number(object.bonusEndurance),
                         QString::number(object.bonusChance),
                         QString::number(object.gold),
                         QString::number(object.food),
                         quoted(object.other) }
        .join(QLatin1Char(' '));
}

// Every field of every paragraph, in a text that differs whenever the paragraphs do.
QString describe(const QMap<QString, Paragraph> &paragraphs)
{
    return describeMap(paragraphs, [](const Paragraph &paragraph) {
        const LuckTest &luck = paragraph.luck;
        return QStringList {
            quoted(paragraph.text),
            quoted(paragraph.type),
            QString::number(paragraph.bonusActive),
            QString::number(paragraph.bonusHabilete),
            QString::number(paragraph.bonusEndurance),
            QString::number(paragraph.bonusChance),
            QString::number(paragraph.fleeActive),
            QString::number(paragraph.fleePenalty),
            QString::number(paragraph.fleeRound),
            quoted(paragraph.fleeRef),
            quoted(paragraph.monsterType),
            describeMap(paragraph.monsters,
                        [](const Monster &monster) {
                            return quoted(monster.name) + QLatin1Char(' ') + QString::number(monster.habilete) +
                                QLatin1Char(' ') + QString::number(monster.endurance) + QLatin1Char(' ') +
                                quoted(monster.value);
                        }),
            QString::number(luck.active),
            quoted(luck.lucky.target),
            quoted(luck.lucky.text),
            quoted(luck.unlucky.target),
            quoted(luck.unlucky.text),
            describeMap(paragraph.objects, describeObject),
            describeMap(
                paragraph.choices,
                [](const Choice &choice) { return quoted(choice.target) + QLatin1Char(' ') + quoted(choice.text); })
        }.join(QLatin1Char(' '));
    });
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
    const Reading loaded = readWith(path, &BookParser::readBook);
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
