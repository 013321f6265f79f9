// Fuzz target: a book's bytes loaded both ways, by the loader in one streaming pass and by
// the reference that builds the DOM of the Qt in use and walks it. Where the loader stays
// within its limits, any difference in the paragraphs (null strings told from empty ones)
// or in whether the file is accepted is a finding, but for the differences the two readers
// are known to have (DocumentDifferences).

#include "bookparser.h"
#include "documentdifferences.h"
#include "domreference.h"
#include "fuzzenvironment.h"
#include "paragraphdescription.h"

#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

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
    reading.paragraphs = ParagraphDescription::describe(paragraphs);
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
    const Reading reference =
        readWith(path, [](QIODevice *device, QMap<QString, Paragraph> *paragraphs, Reading *reading) {
            return DomReference::read(device, paragraphs, &reading->failure);
        });
    if (loaded.accepted && !reference.accepted && DocumentDifferences::knownOfDom(reference.failure))
        return 0;
    if (!loaded.accepted && reference.accepted && DocumentDifferences::uncheckedByDom(loaded.failure))
        return 0;
    if (loaded.accepted == reference.accepted &&
        DocumentDifferences::comparable(loaded.paragraphs) == DocumentDifferences::comparable(reference.paragraphs))
        return 0;
    std::fprintf(stderr, "finding: the loader and the DOM disagree\nloader (accepted %d): %s\n", loaded.accepted,
                 qPrintable(loaded.paragraphs.left(4000)));
    std::fprintf(stderr, "DOM (accepted %d): %s\n", reference.accepted, qPrintable(reference.paragraphs.left(4000)));
    std::abort();
}
