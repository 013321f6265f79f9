// Loading a book: time and memory of gameBook::loadGameBook, from the open file to the
// first paragraph on screen, for books of growing size and for the densest markup; the
// same, and the loader's reader alone, against a bare QDomDocument::setContent of the same
// file; and the refusal of small books whose entities expand past the parser's limits.

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

// Processor time and peak memory above the start of one step.
struct Figures {
    double milliseconds = 1e9;
    qint64 peakBytes = 0;
};

Figures measureStep(const std::function<void()> &step)
{
    const Measure measure;
    const std::clock_t start = std::clock();
    step();
    return Figures { 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC, measure.peakBytes() };
}

// The least of each figure over the runs: the machine may be shared, and the least is the
// figure least disturbed by others.
void keepLeast(Figures *least, const Figures &run)
{
    least->milliseconds = qMin(least->milliseconds, run.milliseconds);
    least->peakBytes = least->peakBytes == 0 ? run.peakBytes : qMin(least->peakBytes, run.peakBytes);
}

// A fresh adventure window, its hero rolled, ready to load `path`; deleted by the caller.
gameBook *windowFor(const QString &path)
{
    auto *window = new gameBook;
    window->setKeptAutomatically(false); // writes nothing among the user's files
    window->setFileName(path);
    window->show();
    rollHero(window);
    return window;
}

void closeWindow(gameBook *window)
{
    delete window;
    deleteDeferred();
}

// Each side is timed from the open file to what it builds, and keeps what it built until
// after its figures are taken: neither side's teardown is timed.
struct Sides {
    Figures bare; // QDomDocument::setContent of the Qt in use
    Figures reader; // the loader's reader alone, into paragraphs
    Figures window; // the adventure window, to its first paragraph on screen
    int paragraphCount = 0;
};

// The player's loading against a bare QDomDocument::setContent of the same file, the three
// taken in turns, run after run.
void compareWithBareParse(const QString &label, const QString &path, int runs)
{
    Sides sides;
    for (int run = 0; run < runs; ++run) {
        {
            QFile file(path);
            QDomDocument document;
            keepLeast(&sides.bare, measureStep([&] {
                if (BookParser::openBook(&file))
                    document.setContent(&file);
            }));
        }
        {
            QFile file(path);
            QMap<QString, Paragraph> paragraphs;
            keepLeast(&sides.reader, measureStep([&] {
                if (BookParser::openBook(&file))
                    BookParser::readBook(&file, &paragraphs);
            }));
        }
        gameBook *window = windowFor(path);
        keepLeast(&sides.window, measureStep([&] { window->loadGameBook(); }));
        sides.paragraphCount = window->adventure().paragraphs().size();
        closeWindow(window);
    }
    const auto ratio = [](double side, double bare) { return QString::number(side / qMax(bare, 1e-9), 'f', 2); };
    const auto figures = [&](const Figures &side) {
        return QStringLiteral("%1 ms (x%2), +%3 (x%4)")
            .arg(side.milliseconds, 0, 'f', 1)
            .arg(ratio(side.milliseconds, sides.bare.milliseconds), sizeText(side.peakBytes),
                 ratio(double(side.peakBytes), double(sides.bare.peakBytes)));
    };
    report(QStringLiteral("%1, Qt %2, least of %3 runs, processor time and peak RSS: bare setContent %4 ms, +%5; "
                          "reader alone %6; window to the first paragraph %7; %8 paragraphs")
               .arg(label, QLatin1String(qVersion()))
               .arg(runs)
               .arg(sides.bare.milliseconds, 0, 'f', 1)
               .arg(sizeText(sides.bare.peakBytes), figures(sides.reader), figures(sides.window))
               .arg(sides.paragraphCount));
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
    QMap<QString, Paragraph> paragraphs;
    const Measure measure;
    const bool parsed = BookParser::openBook(&file) && BookParser::readBook(&file, &paragraphs);
    report(QStringLiteral("%1 (%2): %3, %4")
               .arg(label, sizeText(content.size()), parsed ? QStringLiteral("LOADED") : QStringLiteral("refused"),
                    measure.summary()));
    QFile::remove(path);
}

// Loads the book in a fresh adventure window, as the start button does, then deletes both.
void measureLoad(const QString &label, const QString &path)
{
    gameBook *window = windowFor(path);
    const Measure measure;
    window->loadGameBook();
    const QString figures = measure.summary();
    report(QStringLiteral("%1: %2 (%3 paragraphs in the model)")
               .arg(label, figures)
               .arg(window->adventure().paragraphs().size()));
    closeWindow(window);
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
        if (paragraphCount == 100000)
            compareWithBareParse(QStringLiteral("100000 paragraphs (%1)").arg(sizeText(size)), path, 5);
    }
    // Texts as long as those of real books, then short ones: more markup for each byte.
    for (int textBytes : { 1900, 400 }) {
        BookShape shape;
        shape.paragraphCount = 5000;
        shape.textBytes = textBytes;
        const qint64 size = writeBook(path, shape);
        compareWithBareParse(
            QStringLiteral("5000 paragraphs of %1 bytes of text (%2)").arg(textBytes).arg(sizeText(size)), path, 11);
    }
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
