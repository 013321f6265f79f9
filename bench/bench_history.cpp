// The automatic save and the history. First the paragraph switch with and without the
// automatic save, in the same run: two windows on the same book take turns, each switch
// timed alone, layout, drawing and the save's own work on the GUI thread included. Then the
// memory the history of a long adventure takes, against the same adventure without it.
// Optional arguments: the switches per window (10,000) and the presses of the adventure
// (10,000).

#include "adventure.h"
#include "benchsupport.h"
#include "bookgenerator.h"
#include "bookparser.h"
#include "gamebook.h"
#include "randomdice.h"
#include "randomreader.h"
#include "savedadventure.h"
#include "savestore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr int paragraphCount = 1000;
constexpr int defaultSwitches = 10000;
constexpr int defaultPresses = 10000;

struct Series {
    std::vector<double> milliseconds;

    double at(double fraction)
    {
        std::sort(milliseconds.begin(), milliseconds.end());
        return milliseconds.at(std::min(milliseconds.size() - 1, size_t(fraction * milliseconds.size())));
    }
};

gameBook *openWindow(const QString &path, bool keptAutomatically)
{
    auto *window = new gameBook;
    window->setKeptAutomatically(keptAutomatically);
    window->setFileName(path);
    window->show();
    rollHero(window);
    window->loadGameBook();
    QCoreApplication::processEvents();
    return window;
}

// One switch as a click makes it: the old widgets go, the next paragraph is built, laid out
// and drawn, and whatever the event loop had waiting is done.
double switchTo(gameBook *window, const QString &id)
{
    QElapsedTimer clock;
    clock.start();
    window->clearParagraphWidgets();
    deleteDeferred();
    window->showParagraph(id);
    QCoreApplication::processEvents();
    return clock.nsecsElapsed() / 1e6;
}

void compareSwitches(const QString &path, int switches)
{
    gameBook *kept = openWindow(path, true);
    gameBook *unkept = openWindow(path, false);
    Series with, without;
    for (int step = 0; step < switches; ++step) {
        const QString id = paragraphId(1 + step % (paragraphCount - 1));
        // Each goes first every other time, so that neither always follows the other's work.
        if (step % 2 == 0) {
            with.milliseconds.push_back(switchTo(kept, id));
            without.milliseconds.push_back(switchTo(unkept, id));
        } else {
            without.milliseconds.push_back(switchTo(unkept, id));
            with.milliseconds.push_back(switchTo(kept, id));
        }
    }
    delete unkept;
    QElapsedTimer closing;
    closing.start();
    kept->close(); // which waits for the last write
    const qint64 closed = closing.elapsed();
    delete kept;
    SavedAdventure saved;
    QString error;
    const bool read = SaveStore::read(SaveStore::automaticPath(path), &saved, &error);
    const double withMedian = with.at(0.5), withoutMedian = without.at(0.5);
    const double withTail = with.at(0.99), withoutTail = without.at(0.99);
    report(QStringLiteral("%1 switches per window: without the automatic save median %2 ms, p99 %3 ms; with it "
                          "median %4 ms, p99 %5 ms; with / without: median %6, p99 %7")
               .arg(switches)
               .arg(withoutMedian, 0, 'f', 3)
               .arg(withoutTail, 0, 'f', 3)
               .arg(withMedian, 0, 'f', 3)
               .arg(withTail, 0, 'f', 3)
               .arg(withMedian / withoutMedian, 0, 'f', 2)
               .arg(withTail / withoutTail, 0, 'f', 2));
    report(read ? QStringLiteral("closing waited %1 ms for the last write; the automatic save, read back: %2 steps, %3")
                      .arg(closed)
                      .arg(saved.snapshot.moments.size())
                      .arg(sizeText(QFileInfo(SaveStore::automaticPath(path)).size()))
                : QStringLiteral("the automatic save cannot be read back: %1").arg(error));
}

// What the process has taken from the heap and not given back.
qint64 heapInUse()
{
#ifdef __GLIBC__
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#else
    return 0;
#endif
}

// The same adventure with only the step on show.
AdventureSnapshot withoutHistory(const AdventureSnapshot &full)
{
    AdventureSnapshot one;
    one.visited = full.visited;
    Moment moment = full.moments.at(full.current);
    one.screens = { full.screens.at(moment.screen) };
    one.inventories = { full.inventories.at(moment.inventory) };
    moment.screen = 0;
    moment.inventory = 0;
    one.moments = { moment };
    return one;
}

// A random reader presses any button but the end; where there is none, the adventure moves
// on to a paragraph drawn at random, as a step of its own.
void measureHistory(const QString &path, int presses)
{
    QFile book(path);
    QMap<QString, Paragraph> paragraphs;
    if (!BookParser::openBook(&book) || !BookParser::readBook(&book, &paragraphs)) {
        report(QStringLiteral("%1 cannot be read: nothing measured").arg(path));
        return;
    }
    const QStringList ids = paragraphs.keys();
    RandomReader reader(7);
    RandomDice::shared().seed(7);
    QElapsedTimer clock;
    clock.start();
    auto played = std::make_unique<Adventure>(&RandomDice::shared(), &reader);
    played->setParagraphs(paragraphs);
    played->rollStartingScores();
    played->enterParagraph(QStringLiteral("000"));
    while (played->steps() < presses) {
        QList<PlayAction> offered;
        for (const PlayAction &action : played->screen().actions) {
            if (action.enabled && action.kind != PlayAction::Kind::End)
                offered.append(action);
        }
        if (offered.isEmpty())
            played->enterParagraph(ids.at(reader.pick(ids.size())));
        else
            played->press(offered.at(reader.pick(offered.size())));
    }
    const qint64 elapsed = clock.elapsed();
    const qint64 withIt = heapInUse();
    Adventure alone(&RandomDice::shared(), &reader);
    alone.setParagraphs(paragraphs);
    int screens = 0;
    {
        const AdventureSnapshot full = played->snapshot();
        screens = full.screens.size();
        alone.restore(withoutHistory(full));
    }
    played.reset();
    const qint64 withoutIt = heapInUse();
    report(QStringLiteral("%1 steps of history on %2 (%3 visits, %4 distinct screens, played in %5 ms): %6 more "
                          "than the adventure without it, %7 bytes a step")
               .arg(presses)
               .arg(QFileInfo(path).fileName())
               .arg(alone.visitedParagraphs().count(QLatin1Char(',')))
               .arg(screens)
               .arg(elapsed)
               .arg(sizeText(withIt - withoutIt))
               .arg((withIt - withoutIt) / presses));
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    const int switches = argc > 1 ? qMax(100, QByteArray(argv[1]).toInt()) : defaultSwitches;
    const int presses = argc > 2 ? qMax(100, QByteArray(argv[2]).toInt()) : defaultPresses;
    QTemporaryDir workspace;
    if (!workspaceReady(workspace))
        return 1;
    // The saves go there, never among the user's files.
    qputenv("XDG_DATA_HOME", QFile::encodeName(workspace.filePath(QStringLiteral("data"))));
    BookShape shape;
    shape.paragraphCount = paragraphCount;
    const QString path = workspace.filePath(QStringLiteral("livre.xml"));
    if (writeBook(path, shape) < 0) {
        report(QStringLiteral("the book could not be written: nothing measured"));
        return 1;
    }
    compareSwitches(path, switches);
    measureHistory(QStringLiteral(VALDORIEL_SOURCE_DIR "/tests/books/la-foret-des-murmures.xml"), presses);
    measureHistory(path, presses);
    return 0;
}
