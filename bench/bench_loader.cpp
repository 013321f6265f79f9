// Loading a book: time and memory of gameBook::loadGameBook, from the open file to the
// first paragraph on screen, for books of growing size.

#include "benchsupport.h"
#include "bookgenerator.h"
#include "gamebook.h"

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    QTemporaryDir workspace;
    if (!workspace.isValid()) {
        report(QStringLiteral("no temporary folder: nothing measured"));
        return 1;
    }
    for (int paragraphCount : { 1000, 10000, 100000 }) {
        const QString path = workspace.filePath(QStringLiteral("livre-%1.xml").arg(paragraphCount));
        BookShape shape;
        shape.paragraphCount = paragraphCount;
        const qint64 size = writeBook(path, shape);
        auto *window = new gameBook;
        window->setFileName(path);
        window->show();
        rollHero(window);
        const Measure measure;
        window->loadGameBook();
        const QString figures = measure.summary();
        report(QStringLiteral("load %1 paragraphs (%2): %3 (%4 paragraphs in the model)")
                   .arg(paragraphCount)
                   .arg(sizeText(size), figures)
                   .arg(window->bookParagraphs().size()));
        delete window;
        deleteDeferred();
        QFile::remove(path);
    }
    return 0;
}
