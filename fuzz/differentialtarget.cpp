// Fuzz target: a book's bytes loaded both ways, by the loader in one streaming pass and by
// the reference that builds the DOM of the Qt in use and walks it. Where the loader stays
// within its limits, any difference in the paragraphs (null strings told from empty ones)
// or in whether the file is accepted is a finding, but for the differences the two readers
// are known to have (DocumentDifferences). A book the loader accepts must also read the same
// behind a comment that fills the loader's first block.

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

Reading load(const QString &path)
{
    return readWith(path, [](QIODevice *device, QMap<QString, Paragraph> *paragraphs, Reading *reading) {
        BookParser::Failure failure;
        const bool accepted = BookParser::readBook(device, paragraphs, &reading->overLimits, &failure);
        reading->failure = failure.message;
        return accepted;
    });
}

// The same book behind a comment that fills the loader's first block, which it decodes: the
// book itself then comes in the blocks after it, which go to the parser undecoded when they
// are UTF-8. Empty for books that may be in another encoding, which the comment would break.
QByteArray behindFirstBlock(const QByteArray &content)
{
    const QByteArray comment = "<!--" + QByteArray(4096, ' ') + "-->";
    const int declarationClose = content.startsWith("<?xml") ? content.indexOf("?>") : -2;
    const int declarationEnd = declarationClose + 2;
    if (declarationClose == -1 || content.left(declarationEnd).contains("encoding") || !content.startsWith('<') ||
        (content.size() > 1 && content.at(1) == '\0'))
        return QByteArray();
    return content.left(declarationEnd) + comment + content.mid(declarationEnd);
}

[[noreturn]] void reportFinding(const char *what, const Reading &first, const char *firstName, const Reading &second,
                                const char *secondName)
{
    std::fprintf(stderr, "finding: %s\n%s (accepted %d): %s\n", what, firstName, first.accepted,
                 qPrintable(first.paragraphs.left(4000)));
    std::fprintf(stderr, "%s (accepted %d): %s\n", secondName, second.accepted, qPrintable(second.paragraphs.left(4000)));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data),
                             int(qMin(size, size_t(BookParser::maximumFileSize))));
    const QString path = FuzzEnvironment::instance().writeBook(content);
    const Reading loaded = load(path);
    const QByteArray padded = behindFirstBlock(content);
    if (loaded.accepted && !padded.isEmpty()) {
        const Reading behind = load(FuzzEnvironment::instance().writeBook(padded));
        if (!behind.overLimits && (!behind.accepted || behind.paragraphs != loaded.paragraphs))
            reportFinding("the loader reads a book apart from the same book behind its first block", loaded,
                          "alone", behind, "behind");
        FuzzEnvironment::instance().writeBook(content); // for the reference below
    }
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
    reportFinding("the loader and the DOM disagree", loaded, "loader", reference, "DOM");
}
