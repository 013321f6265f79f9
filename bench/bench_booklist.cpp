// Start-up scan of Add-on: how long the book-selection window takes to appear and how much
// memory it needs, with many books, with huge files and with a title that never ends.

#include "benchsupport.h"
#include "bookgenerator.h"
#include "mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStorageInfo>
#include <QTemporaryDir>

namespace {

constexpr qint64 twoGigabytes = qint64(2) << 30;
constexpr qint64 freeSpaceNeeded = qint64(6) << 30;
const QByteArray bookHead("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Livre Title=\"Le grand livre\">\n");

// A fresh working folder holding an empty Add-on; returns the Add-on path.
QString newAddOn(const QTemporaryDir &workspace, const QString &caseName)
{
    const QString folder = workspace.filePath(caseName + QStringLiteral("/Add-on"));
    QDir().mkpath(folder);
    return folder;
}

// Builds the window with `addOn`'s parent as working folder, as the player starts.
void measureScan(const QString &label, const QString &addOn)
{
    QDir::setCurrent(addOn + QStringLiteral("/.."));
    const Measure measure;
    auto *window = new MainWindow;
    const QString figures = measure.summary();
    const int listed = window->findChild<QListWidget *>(QStringLiteral("listWidget"))->count();
    report(QStringLiteral("%1: %2 listed, %3").arg(label).arg(listed).arg(figures));
    delete window;
}

// Appends `bytes` of text holding no NUL and no double quote, in large blocks.
bool appendFiller(QFile *file, qint64 bytes)
{
    const QByteArray line("Les brumes montent du marais et couvrent la route du nord. ");
    QByteArray block;
    while (block.size() < (8 << 20))
        block += line;
    for (qint64 left = bytes; left > 0; left -= block.size()) {
        if (file->write(block.constData(), qMin<qint64>(left, block.size())) < 0)
            return false;
    }
    return true;
}

// Writes `head` followed by `fillerBytes` of text.
bool writeFilled(const QString &path, const QByteArray &head, qint64 fillerBytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(head) == head.size() && appendFiller(&file, fillerBytes);
}

void measureManyBooks(const QTemporaryDir &workspace)
{
    const QString addOn = newAddOn(workspace, QStringLiteral("many"));
    qint64 total = 0;
    for (int number = 0; number < 200; ++number)
        total += writeBook(addOn + QStringLiteral("/livre-%1.xml").arg(number, 3, 10, QLatin1Char('0')), BookShape());
    measureScan(QStringLiteral("scan 200 books of 100 paragraphs (%1)").arg(sizeText(total)), addOn);
}

// Sparse zeros read as NUL bytes, which end the text right after the head.
void measureSparseGiant(const QTemporaryDir &workspace)
{
    const QString addOn = newAddOn(workspace, QStringLiteral("sparse"));
    QFile file(addOn + QStringLiteral("/geant.xml"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bookHead) < 0 || !file.resize(twoGigabytes)) {
        report(QStringLiteral("scan 2 GiB sparse file: skipped, it could not be written"));
        return;
    }
    file.close();
    measureScan(QStringLiteral("scan one 2 GiB sparse file (title first, then NUL bytes)"), addOn);
    file.remove();
}

// Real text after the head: the title is found at once; then, with the marker spoiled in
// place, the whole file must be read to learn that it has no title.
void measureFilledGiant(const QTemporaryDir &workspace)
{
    const QString addOn = newAddOn(workspace, QStringLiteral("filled"));
    const qint64 available = QStorageInfo(addOn).bytesAvailable();
    if (available < freeSpaceNeeded) {
        report(QStringLiteral("scan 2 GiB text file: skipped, only %1 free on disk (6 GB needed)")
                   .arg(sizeText(available)));
        return;
    }
    QFile file(addOn + QStringLiteral("/geant.xml"));
    if (!writeFilled(file.fileName(), bookHead, twoGigabytes)) {
        report(QStringLiteral("scan 2 GiB text file: skipped, it could not be written"));
        file.remove();
        return;
    }
    measureScan(QStringLiteral("scan one 2 GiB text file (title first, then text)"), addOn);
    if (file.open(QIODevice::ReadWrite) && file.seek(bookHead.indexOf("Title")) && file.write("Tytle") == 5) {
        file.close();
        measureScan(QStringLiteral("scan one 2 GiB text file without any title"), addOn);
    }
    file.remove();
}

void measureEndlessTitle(const QTemporaryDir &workspace)
{
    const QString addOn = newAddOn(workspace, QStringLiteral("endless"));
    const qint64 filler = qint64(256) << 20;
    const QString path = addOn + QStringLiteral("/sans-fin.xml");
    if (!writeFilled(path, QByteArray("<Livre Title=\""), filler)) {
        report(QStringLiteral("scan unclosed title: skipped, the file could not be written"));
        return;
    }
    measureScan(QStringLiteral("scan one file whose title never closes (%1 of text)").arg(sizeText(filler)), addOn);
    QFile::remove(path);
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    QTemporaryDir workspace;
    if (!workspace.isValid()) {
        report(QStringLiteral("no temporary folder: nothing measured"));
        return 1;
    }
    // Twice on an empty folder: the first build pays Qt's one-time start-up (fonts,
    // pictures); the second is the baseline of the window alone.
    const QString empty = newAddOn(workspace, QStringLiteral("empty"));
    measureScan(QStringLiteral("window with an empty Add-on (first, cold)"), empty);
    measureScan(QStringLiteral("window with an empty Add-on (baseline)"), empty);
    measureManyBooks(workspace);
    measureSparseGiant(workspace);
    measureFilledGiant(workspace);
    measureEndlessTitle(workspace);
    return 0;
}
