// Loading a book: time and memory of gameBook::loadGameBook, from the open file to the
// first paragraph on screen, for books of growing size and for the densest markup; the
// parse against a plain QDomDocument::setContent of the same file; and the refusal of
// small books whose entities expand past the parser's limits.

#include "adventure.h"
#include "benchsupport.h"
#include "bookgenerator.h"
#include "bookparser.h"
#include "gamebook.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>

#include <ctime>
#include <functional>

namespace {

// Processor time of `step`, in milliseconds.
double milliseconds(const std::function<void()> &step)
{
    const std::clock_t start = std::clock();
    step();
    return 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
}

// Parses the book plainly or as the loader does, filling the model or not; the document
// is kept in `text` when asked.
void parse(const QString &path, bool bounded, bool fillModel, QString *text = nullptr)
{
    QFile file(path);
    QDomDocument document;
    if (!BookParser::openBook(&file))
        return;
    const bool parsed = bounded ? BookParser::readDocument(&file, &document) : document.setContent(&file);
    if (fillModel) {
        QMap<QString, Paragraph> paragraphs;
        BookParser::parseParagraphs(document.documentElement(), &paragraphs);
    }
    if (text && parsed)
        *text = document.toString();
}

// The loader's parse and model filling against a plain parse of the same file.
void compareWithPlainParse(const QString &label, const QString &path)
{
    // The least of runs taken in turns: the machine may be shared, and the least is the
    // figure least disturbed by others.
    double plain = 1e9;
    double bounded = 1e9;
    double filled = 1e9;
    for (int run = 0; run < 21; ++run) {
        plain = qMin(plain, milliseconds([&] { parse(path, false, false); }));
        bounded = qMin(bounded, milliseconds([&] { parse(path, true, false); }));
        filled = qMin(filled, milliseconds([&] { parse(path, true, true); }));
    }
    QString plainText;
    QString boundedText;
    parse(path, false, false, &plainText);
    parse(path, true, false, &boundedText);
    report(QStringLiteral("%1, processor time: plain setContent %2 ms; readDocument %3 ms (x%4); "
                          "with parseParagraphs %5 ms (x%6); same document: %7")
               .arg(label)
               .arg(plain, 0, 'f', 1)
               .arg(bounded, 0, 'f', 1)
               .arg(bounded / plain, 0, 'f', 2)
               .arg(filled, 0, 'f', 1)
               .arg(filled / plain, 0, 'f', 2)
               .arg(!plainText.isEmpty() && plainText == boundedText ? QStringLiteral("yes") : QStringLiteral("NO")));
}

// A small book whose entity e expands to `replacement`, referenced in `body`.
QByteArray entityBook(const QByteArray &replacement, const QByteArray &body)
{
    return "<!DOCTYPE Livre [<!ENTITY e \"" + replacement + "\">]>\n<Livre Title=\"Entités\">" + body + "</Livre>";
}

void measureRefusal(const QString &label, const QString &path, const QByteArray &content)
{
    QFile output(path);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate) || output.write(content) != content.size())
        return;
    output.close();
    QFile file(path);
    QDomDocument document;
    const Measure measure;
    const bool parsed = BookParser::openBook(&file) && BookParser::readDocument(&file, &document);
    report(QStringLiteral("%1 (%2): %3, %4")
               .arg(label, sizeText(content.size()), parsed ? QStringLiteral("LOADED") : QStringLiteral("refused"),
                    measure.summary()));
    QFile::remove(path);
}

// Loads the book in a fresh adventure window, as the start button does, then deletes both.
void measureLoad(const QString &label, const QString &path)
{
    auto *window = new gameBook;
    window->setFileName(path);
    window->show();
    rollHero(window);
    const Measure measure;
    window->loadGameBook();
    const QString figures = measure.summary();
    report(QStringLiteral("%1: %2 (%3 paragraphs in the model)")
               .arg(label, figures)
               .arg(window->adventure().paragraphs().size()));
    delete window;
    deleteDeferred();
    QFile::remove(path);
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    QTemporaryDir workspace;
    if (!workspaceReady(workspace))
        return 1;
    const QString path = workspace.filePath(QStringLiteral("livre.xml"));
    for (int paragraphCount : { 1000, 10000, 100000 }) {
        BookShape shape;
        shape.paragraphCount = paragraphCount;
        const qint64 size = writeBook(path, shape);
        measureLoad(QStringLiteral("load %1 paragraphs (%2)").arg(paragraphCount).arg(sizeText(size)), path);
    }
    BookShape shape;
    shape.paragraphCount = 5000;
    const qint64 size = writeBook(path, shape);
    compareWithPlainParse(QStringLiteral("parse 5000 paragraphs (%1)").arg(sizeText(size)), path);
    QFile::remove(path);
    measureRefusal(QStringLiteral("entity opening 100 elements, 300 references"), path,
                   entityBook(QByteArray("<a>").repeated(100), QByteArray("&e;").repeated(300)));
    measureRefusal(QStringLiteral("undeclared entity, then 30000 nested elements"), path,
                   "<Livre>&eacute;" + QByteArray("<a>").repeated(30000) + QByteArray("</a>").repeated(30000) +
                       "</Livre>");
    measureRefusal(QStringLiteral("entity of 1000 empty elements, 20000 references"), path,
                   entityBook(QByteArray("<a/>").repeated(1000), QByteArray("&e;").repeated(20000)));
    measureRefusal(
        QStringLiteral("entity of 4000 characters, 40000 references"), path,
        entityBook(QByteArray("x").repeated(4000), "<Text>" + QByteArray("&e;").repeated(40000) + "</Text>"));
    // Empty elements give the parser the most nodes per byte of file.
    const qint64 denseBytes = qint64(16) << 20;
    if (writeFilledFile(path, "<Livre Title=\"Dense\">", "<a/>", denseBytes, "</Livre>"))
        measureLoad(QStringLiteral("load %1 of empty elements (densest markup)").arg(sizeText(denseBytes)), path);
    return 0;
}
