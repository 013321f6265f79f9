// Loading a book: time and memory of gameBook::loadGameBook, from the open file to the
// first paragraph on screen, for books of growing size and for the densest markup.

#include "benchsupport.h"
#include "bookgenerator.h"
#include "gamebook.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

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
    report(
        QStringLiteral("%1: %2 (%3 paragraphs in the model)").arg(label, figures).arg(window->bookParagraphs().size()));
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
    // Empty elements give the parser the most nodes per byte of file.
    const qint64 denseBytes = qint64(16) << 20;
    if (writeFilledFile(path, "<Livre Title=\"Dense\">", "<a/>", denseBytes, "</Livre>"))
        measureLoad(QStringLiteral("load %1 of empty elements (densest markup)").arg(sizeText(denseBytes)), path);
    return 0;
}
