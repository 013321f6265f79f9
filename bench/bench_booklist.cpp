// Start-up scan of Add-on: how long the book-selection window takes to be built and how
// much memory it needs, with many books, with huge files and with a title that never ends.

#include "benchsupport.h"
#include "bookgenerator.h"
#include "mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <functional>

namespace {

constexpr qint64 twoGigabytes = qint64(2) << 30;
constexpr qint64 freeSpaceNeeded = qint64(6) << 30;
const QByteArray bookHead("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Livre Title=\"Le grand livre\">\n");
// Text with neither NUL nor double quote, to fill huge files.
const QByteArray fillerLine("Les brumes montent du marais et couvrent la route du nord.\n");

// Builds the window in a fresh working folder whose Add-on is filled by `fill`.
void measureScan(const QTemporaryDir &workspace, const QString &label,
                 const std::function<bool(const QString &addOn)> &fill)
{
    static int caseNumber = 0;
    const QString addOn = workspace.filePath(QStringLiteral("case%1/Add-on").arg(++caseNumber));
    if (QDir().mkpath(addOn) && fill(addOn)) {
        qint64 bytes = 0;
        for (const QFileInfo &file : QDir(addOn).entryInfoList(QDir::Files))
            bytes += file.size();
        QDir::setCurrent(addOn + QStringLiteral("/.."));
        const Measure measure;
        auto *window = new MainWindow;
        const QString figures = measure.summary();
        const int listed = window->findChild<QListWidget *>(QStringLiteral("listWidget"))->count();
        report(QStringLiteral("%1, %2 in Add-on: %3 listed, %4").arg(label, sizeText(bytes)).arg(listed).arg(figures));
        delete window;
    } else {
        report(label + QStringLiteral(": skipped, the files could not be written"));
    }
    QDir(addOn).removeRecursively(); // gives the disk space back at once
}

bool writeManyBooks(const QString &addOn)
{
    for (int number = 0; number < 200; ++number) {
        if (writeBook(addOn + QStringLiteral("/livre-%1.xml").arg(number), BookShape()) < 0)
            return false;
    }
    return true;
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
    const auto nothing = [](const QString &) { return true; };
    // The first window pays Qt's one-time start-up (fonts, pictures); the second is the
    // baseline of the window alone.
    measureScan(workspace, QStringLiteral("window, empty Add-on, first build (cold)"), nothing);
    measureScan(workspace, QStringLiteral("window, empty Add-on, second build (baseline)"), nothing);
    measureScan(workspace, QStringLiteral("scan 200 books of 100 paragraphs"), writeManyBooks);
    measureScan(workspace, QStringLiteral("scan one sparse file (title first, then NUL bytes)"), writeSparseGiant);

    const qint64 available = QStorageInfo(workspace.path()).bytesAvailable();
    if (available < freeSpaceNeeded) {
        report(QStringLiteral("scan 2 GiB text files: skipped, only %1 free on disk (6 GB needed)")
                   .arg(sizeText(available)));
    } else {
        measureScan(workspace, QStringLiteral("scan one text file (title first, then text)"), [](const QString &addOn) {
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
