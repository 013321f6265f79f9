// Start-up scan of Add-on: how long the book-selection window takes to list a large library,
// weighed against reading the same files whole, and how much memory it needs with huge files
// and with a title that never ends.

#include "benchsupport.h"
#include "bookgenerator.h"
#include "mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QVector>

#include <ctime>
#include <functional>
#include <limits>

namespace {

constexpr qint64 twoGigabytes = qint64(2) << 30;
constexpr qint64 freeSpaceNeeded = qint64(6) << 30;
constexpr int libraryBooks = 1000;
constexpr qint64 libraryBookBytes = 200 * 1024;
// The best of several rounds: the figures of a warm page cache, without the noise of a busy machine.
constexpr int rounds = 11;
const QByteArray bookHead("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Livre Title=\"Le grand livre\">\n");
// Text with neither NUL nor double quote, to fill huge files.
const QByteArray fillerLine("Les brumes montent du marais et couvrent la route du nord.\n");

QString addOnFolder(const QTemporaryDir &workspace, const QString &caseName)
{
    return workspace.filePath(caseName + QStringLiteral("/Add-on"));
}

qint64 folderBytes(const QString &folder)
{
    qint64 bytes = 0;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files))
        bytes += file.size();
    return bytes;
}

// Builds the window in the working folder above `addOn`, as the player starts there.
MainWindow *openWindow(const QString &addOn)
{
    QDir::setCurrent(addOn + QStringLiteral("/.."));
    return new MainWindow;
}

int listedBooks(const MainWindow *window)
{
    return window->findChild<QListWidget *>(QStringLiteral("listWidget"))->count();
}

// Lists the books as the window does, then reads every byte of each in 1 MB blocks: the
// cost the scan is weighed against.
qint64 readWhole(const QString &addOn)
{
    static QByteArray block(1 << 20, Qt::Uninitialized);
    qint64 bytes = 0;
    for (const QString &entry : QDir(addOn).entryList({ QStringLiteral("*.xml") })) {
        QFile file(addOn + QLatin1Char('/') + entry);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (qint64 got = file.read(block.data(), block.size()); got > 0; got = file.read(block.data(), block.size()))
            bytes += got;
    }
    return bytes;
}

double milliseconds(const QElapsedTimer &clock)
{
    return clock.nsecsElapsed() / 1e6;
}

double processorMilliseconds()
{
    return std::clock() * 1000.0 / CLOCKS_PER_SEC;
}

// The best of a step's times over the rounds: the elapsed time, and the processor time of
// this process alone, which other work on a busy machine does not lengthen.
struct StepTimes {
    double elapsed = std::numeric_limits<double>::max();
    double processor = std::numeric_limits<double>::max();

    QString text() const
    {
        return QStringLiteral("%1 ms (processor %2 ms)").arg(elapsed, 0, 'f', 1).arg(processor, 0, 'f', 1);
    }
};

// The steps take turns, so that a passing load on the machine weighs on all of them alike.
// `tidy` runs after each step, untimed.
QVector<StepTimes> bestTimes(const QVector<std::function<void()>> &steps, const std::function<void()> &tidy)
{
    QVector<StepTimes> best(steps.size());
    for (int round = 0; round < rounds; ++round) {
        for (int step = 0; step < steps.size(); ++step) {
            QElapsedTimer clock;
            const double processorStart = processorMilliseconds();
            clock.start();
            steps[step]();
            best[step].elapsed = qMin(best[step].elapsed, milliseconds(clock));
            best[step].processor = qMin(best[step].processor, processorMilliseconds() - processorStart);
            tidy();
        }
    }
    return best;
}

// A library of many mid-sized books whose lines end with `lineEnd`.
std::function<bool(const QString &)> library(const QByteArray &lineEnd)
{
    return [lineEnd](const QString &addOn) {
        const QByteArray line = fillerLine.left(fillerLine.size() - 1) + lineEnd;
        const QString first = addOn + QStringLiteral("/livre-0.xml");
        if (!writeFilledFile(first, bookHead, line, libraryBookBytes - bookHead.size()))
            return false;
        for (int number = 1; number < libraryBooks; ++number) {
            if (!QFile::copy(first, addOn + QStringLiteral("/livre-%1.xml").arg(number)))
                return false;
        }
        return true;
    };
}

// Lists the books that `fill` writes, against reading them whole. The window alone, with an
// empty Add-on, is timed too: the scan is what the books add to it.
void compareScan(const QTemporaryDir &workspace, const QString &label, const std::function<bool(const QString &)> &fill)
{
    const QString empty = addOnFolder(workspace, QStringLiteral("empty"));
    const QString books = addOnFolder(workspace, QStringLiteral("books"));
    if (!QDir().mkpath(empty) || !QDir().mkpath(books) || !fill(books)) {
        report(label + QStringLiteral(": skipped, the files could not be written"));
        QDir(books).removeRecursively();
        return;
    }
    readWhole(books); // into the page cache
    // Deleting the window is no part of the start: it happens between the timed steps.
    const MainWindow *window = nullptr;
    int listed = 0;
    const QVector<StepTimes> best = bestTimes({ [&] { window = openWindow(empty); },
                                                [&] {
                                                    window = openWindow(books);
                                                    listed = listedBooks(window);
                                                },
                                                [&] { readWhole(books); } },
                                              [&] {
                                                  delete window;
                                                  window = nullptr;
                                              });
    const StepTimes &emptyWindow = best[0], &withBooks = best[1], &whole = best[2];
    StepTimes scan;
    scan.elapsed = withBooks.elapsed - emptyWindow.elapsed;
    scan.processor = withBooks.processor - emptyWindow.processor;
    report(QStringLiteral("%1 (%2 in Add-on, best of %3 rounds): %4 listed\n"
                          "  window %5, of which scan %6\n"
                          "  whole read %7\n"
                          "  scan / whole read = %8 elapsed, %9 processor")
               .arg(label, sizeText(folderBytes(books)))
               .arg(rounds)
               .arg(listed)
               .arg(withBooks.text(), scan.text(), whole.text())
               .arg(scan.elapsed / whole.elapsed, 0, 'g', 2)
               .arg(scan.processor / whole.processor, 0, 'g', 2));
    QDir(books).removeRecursively();
}

// Builds the window in a fresh working folder whose Add-on is filled by `fill`, and reports
// its time and memory.
void measureScan(const QTemporaryDir &workspace, const QString &label,
                 const std::function<bool(const QString &addOn)> &fill)
{
    static int caseNumber = 0;
    const QString addOn = addOnFolder(workspace, QStringLiteral("case%1").arg(++caseNumber));
    if (QDir().mkpath(addOn) && fill(addOn)) {
        const Measure measure;
        const MainWindow *window = openWindow(addOn);
        const QString figures = measure.summary();
        const int listed = listedBooks(window);
        delete window;
        report(QStringLiteral("%1, %2 in Add-on: %3 listed, %4")
                   .arg(label, sizeText(folderBytes(addOn)))
                   .arg(listed)
                   .arg(figures));
    } else {
        report(label + QStringLiteral(": skipped, the files could not be written"));
    }
    QDir(addOn).removeRecursively(); // gives the disk space back at once
}

// Extended without writing: the sparse part reads as NUL bytes, which end the text.
bool writeSparseGiant(const QString &addOn)
{
    QFile file(addOn + QStringLiteral("/geant.xml"));
    return file.open(QIODevice::WriteOnly) && file.write(bookHead) == bookHead.size() && file.resize(twoGigabytes);
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    QTemporaryDir workspace;
    if (!workspaceReady(workspace))
        return 1;
    // The first window pays Qt's one-time start-up (fonts, pictures).
    measureScan(workspace, QStringLiteral("window, empty Add-on, first build (cold)"),
                [](const QString &) { return true; });
    compareScan(workspace, QStringLiteral("scan 1,000 books of 200 KB"), library("\n"));
    compareScan(workspace, QStringLiteral("scan 1,000 books of 200 KB, CR LF line ends"), library("\r\n"));
    measureScan(workspace, QStringLiteral("scan one sparse file (title first, then NUL bytes)"), writeSparseGiant);

    const qint64 available = QStorageInfo(workspace.path()).bytesAvailable();
    if (available < freeSpaceNeeded) {
        report(QStringLiteral("scan 2 GiB text files: skipped, only %1 free on disk (6 GB needed)")
                   .arg(sizeText(available)));
    } else {
        compareScan(workspace, QStringLiteral("scan one 2 GiB text file, title first"), [](const QString &addOn) {
            return writeFilledFile(addOn + QStringLiteral("/geant.xml"), bookHead, fillerLine, twoGigabytes);
        });
        // Nothing but text: the whole file must be read to learn that it has no title.
        measureScan(workspace, QStringLiteral("scan one text file without any title"), [](const QString &addOn) {
            return writeFilledFile(addOn + QStringLiteral("/geant.xml"), "<Livre>", fillerLine, twoGigabytes);
        });
    }
    measureScan(workspace, QStringLiteral("scan one file whose title never closes"), [](const QString &addOn) {
        return writeFilledFile(addOn + QStringLiteral("/sans-fin.xml"), "<Livre Title=\"", fillerLine,
                               qint64(256) << 20);
    });
    return 0;
}
