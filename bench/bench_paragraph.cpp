// Paragraph switches: the cost of clearing one paragraph and showing the next, for a heavy
// paragraph (1 MB of text, 100 choices) and for ordinary ones, and whether that cost stays
// the same as the adventure grows long.

#include "benchsupport.h"
#include "bookgenerator.h"
#include "gamebook.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {

constexpr int paragraphCount = 1000;
constexpr int heavySwitches = 20;
constexpr int batchSize = 1000;
constexpr int longAdventure = 100000;

// One switch as a click makes it: the old widgets go, the new paragraph is built and drawn.
void switchTo(gameBook *window, const QString &id)
{
    window->clearParagraphWidgets();
    deleteDeferred();
    window->showParagraph(id);
    QCoreApplication::processEvents();
}

double microsecondsPerHeavySwitch(gameBook *window)
{
    QElapsedTimer clock;
    clock.start();
    for (int step = 0; step < heavySwitches; ++step)
        switchTo(window, paragraphId(0));
    return clock.nsecsElapsed() / 1000.0 / heavySwitches;
}

// Visits ordinary paragraphs in turn; returns the mean time per switch.
double microsecondsPerOrdinarySwitch(gameBook *window, int *visits)
{
    QElapsedTimer clock;
    clock.start();
    for (int step = 0; step < batchSize; ++step, ++*visits)
        switchTo(window, paragraphId(1 + *visits % (paragraphCount - 1)));
    return clock.nsecsElapsed() / 1000.0 / batchSize;
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    QTemporaryDir workspace;
    BookShape shape;
    shape.paragraphCount = paragraphCount;
    shape.firstChoiceCount = 100;
    shape.firstTextBytes = 1 << 20;
    const QString path = workspace.filePath(QStringLiteral("livre.xml"));
    if (!workspace.isValid() || writeBook(path, shape) < 0) {
        report(QStringLiteral("the book could not be written: nothing measured"));
        return 1;
    }
    gameBook window;
    window.setFileName(path);
    window.show();
    rollHero(&window);
    window.loadGameBook();
    QCoreApplication::processEvents();

    report(QStringLiteral("heavy paragraph (1 MB text, 100 choices), switch at the start: %1 ms")
               .arg(microsecondsPerHeavySwitch(&window) / 1000, 0, 'f', 1));
    const Measure measure;
    int visits = 0;
    while (visits < longAdventure) {
        const double perSwitch = microsecondsPerOrdinarySwitch(&window, &visits);
        if (visits == batchSize || visits % (longAdventure / 4) == 0)
            report(QStringLiteral("ordinary paragraph switch, visits %1 to %2: %3 us")
                       .arg(visits - batchSize)
                       .arg(visits)
                       .arg(perSwitch, 0, 'f', 0));
    }
    report(QStringLiteral("%1 ordinary switches in all: %2 (visit list %3 characters)")
               .arg(longAdventure)
               .arg(measure.summary())
               .arg(window.visitedParagraphList().size()));
    report(QStringLiteral("heavy paragraph, switch after %1 visits: %2 ms")
               .arg(longAdventure)
               .arg(microsecondsPerHeavySwitch(&window) / 1000, 0, 'f', 1));
    window.clearParagraphWidgets();
    deleteDeferred();
    return 0;
}
