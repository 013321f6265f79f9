// Fuzz target: a book's bytes through the title scan of the book list, then the loader and
// the model filling of the adventure window. Beyond crashes, it checks that the loader's
// bounded parse builds the very document of a plain QDomDocument::setContent, or fails
// where the plain parse fails, whenever the document stays within the limits.

#include "bookparser.h"
#include "booktextreader.h"
#include "fuzzenvironment.h"

#include <QDomDocument>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void scanTitle(const QString &path)
{
    QFile file(path);
    QString text;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        BookTextReader::read(&file, &text);
}

void fail(const char *finding)
{
    std::fprintf(stderr, "finding: %s\n", finding);
    std::abort();
}

// Removes the entity references that hold nothing, which no reader of the document sees.
void dropEmptyEntityReferences(QDomNode node)
{
    QDomNode child = node.firstChild();
    while (!child.isNull()) {
        const QDomNode next = child.nextSibling();
        if (child.isEntityReference() && !child.hasChildNodes())
            node.removeChild(child);
        else
            dropEmptyEntityReferences(child);
        child = next;
    }
}

// The plain parse of the same file, safe to run only on what the bounded parse found within
// its limits: it follows the same steps, up to the same end.
void comparePlainParse(const QString &path, const QByteArray &content, bool parsed, QDomDocument *document)
{
    QFile file(path);
    QDomDocument plain;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    if (plain.setContent(&file) != parsed)
        fail("the bounded parse and the plain parse disagree on the file");
    // A reference to an undeclared entity in an attribute value of a declared entity's
    // replacement text leaves no trace in the file: there the bounded parse keeps it in
    // content, as an empty reference (SkippedEntityQueue).
    if (content.contains("<!ENTITY")) {
        dropEmptyEntityReferences(*document);
        dropEmptyEntityReferences(plain);
    }
    if (parsed && plain.toString() != document->toString())
        fail("the bounded parse built another document than the plain parse");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data),
                             int(qMin(size, size_t(BookParser::maximumFileSize))));
    const QString path = FuzzEnvironment::instance().writeBook(content);
    scanTitle(path);

    QFile file(path);
    if (!BookParser::openBook(&file))
        return 0;
    QDomDocument document;
    bool overLimits = false;
    const bool parsed = BookParser::readDocument(&file, &document, &overLimits);
    QMap<QString, Paragraph> paragraphs;
    BookParser::parseParagraphs(document.documentElement(), &paragraphs);
    if (!overLimits)
        comparePlainParse(path, content, parsed, &document);
    return 0;
}
