// The authors' checker on large books: the time and memory to check a book and to play
// 1000 random adventures in it, as `valdoriel-check --play 1000` does.

#include "benchsupport.h"
#include "bookcheck.h"
#include "bookgenerator.h"

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir workspace;
    if (!workspaceReady(workspace))
        return 1;
    const QString path = workspace.filePath(QStringLiteral("livre.xml"));
    for (int paragraphCount : { 500, 5000, 50000 }) {
        BookShape shape;
        shape.paragraphCount = paragraphCount;
        const qint64 size = writeBook(path, shape);
        const Measure whole;
        BookCheck book(path);
        const qint64 checked = whole.milliseconds();
        book.play(1000, 1);
        const PlayReport &played = *book.playReport();
        report(QStringLiteral("check %1 paragraphs (%2): %3 ms to check, %4 with --play 1000 "
                              "(%5 findings, %6 adventures defeated)")
                   .arg(paragraphCount)
                   .arg(sizeText(size))
                   .arg(checked)
                   .arg(whole.summary())
                   .arg(book.findings().size())
                   .arg(played.defeats));
    }
    return 0;
}
