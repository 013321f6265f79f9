// The authors' checker on large books: the time and memory to check a book, then to play
// 1000 random adventures in it, as `valdoriel-check --play 1000` does. Times are elapsed,
// then the processor time of this process, which other work on the machine does not lengthen.

#include "benchsupport.h"
#include "bookcheck.h"
#include "bookgenerator.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <ctime>

namespace {

QString processorMilliseconds(std::clock_t start)
{
    return QString::number(1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC, 'f', 0);
}

} // namespace

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
        const std::clock_t start = std::clock();
        BookCheck book(path);
        const qint64 checked = whole.milliseconds();
        const QString checkedProcessor = processorMilliseconds(start);
        book.play(1000, 1);
        report(QStringLiteral("%1 paragraphs (%2): checked in %3 ms (%4 ms), with --play 1000 %5 (%6 ms); "
                              "%7 adventures played, %8 findings")
                   .arg(paragraphCount)
                   .arg(sizeText(size))
                   .arg(checked)
                   .arg(checkedProcessor)
                   .arg(whole.summary())
                   .arg(processorMilliseconds(start))
                   .arg(book.playReport()->adventures)
                   .arg(book.findings().size()));
    }
    return 0;
}
