// Paragraph switches: the cost of clearing one paragraph and showing the next, for a heavy
// paragraph (1 MB of text, 100 choices), for the real-sized paragraphs of the test book and
// for ordinary ones, and whether that cost stays the same as the adventure grows long.
// An optional argument gives the length of the long adventure (100,000 visits).

#include "adventure.h"
#include "benchsupport.h"
#include "bookgenerator.h"
#include "gamebook.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int paragraphCount = 1000;
constexpr int heavySwitches = 20;
constexpr int batchSize = 1000;
constexpr int defaultLongAdventure = 100000;
// Times through every paragraph of the test book.
constexpr int realSizedRounds = 5;

// Mean times of a run of switches, in milliseconds: in all, and in the window's own code
// (clearing and showing) apart from Qt's layout and drawing that follow.
struct SwitchTimes {
    double total = 0;
    double build = 0;
    QString text() const
    {
        return QStringLiteral("%1 ms per switch (clear and show %2 ms, the rest Qt layout and drawing)")
            .arg(total, 0, 'f', 2)
            .arg(build, 0, 'f', 2);
    }
};

// Switches as clicks make them: the old widgets go, the new paragraph is built and drawn.
SwitchTimes switchThrough(gameBook *window, int count, const std::function<QString(int)> &idAt)
{
    QElapsedTimer clock;
    qint64 buildNanoseconds = 0;
    clock.start();
    for (int step = 0; step < count; ++step) {
        const qint64 start = clock.nsecsElapsed();
        window->clearParagraphWidgets();
        deleteDeferred();
        window->showParagraph(idAt(step));
        buildNanoseconds += clock.nsecsElapsed() - start;
        QCoreApplication::processEvents();
    }
    return SwitchTimes { clock.nsecsElapsed() / 1e6 / count, buildNanoseconds / 1e6 / count };
}

SwitchTimes heavySwitchTimes(gameBook *window)
{
    return switchThrough(window, heavySwitches, [](int) { return paragraphId(0); });
}

// The median switch through the paragraphs of a book shaped like published ones (long HTML,
// three captions of whole sentences side by side), each switch timed alone, layout and
// drawing included.
QString realSizedSwitches()
{
    gameBook window;
    window.setKeptAutomatically(false); // bench_history weighs it; it would write among the user's files
    window.setFileName(QStringLiteral(VALDORIEL_SOURCE_DIR "/tests/books/la-foret-des-murmures.xml"));
    window.show();
    rollHero(&window);
    window.loadGameBook();
    QCoreApplication::processEvents();
    const QStringList ids = window.adventure().paragraphs().keys();
    // A first visit applies the paragraphs' objects, one of which opens the object-choice
    // dialog: it is closed at once, and these visits are not timed.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer.start(5);
    for (const QString &id : ids) {
        window.clearParagraphWidgets();
        window.showParagraph(id);
    }
    closer.stop();
    std::vector<double> milliseconds;
    QElapsedTimer clock;
    for (int round = 0; round < realSizedRounds; ++round) {
        for (const QString &id : ids) {
            clock.start();
            window.clearParagraphWidgets();
            deleteDeferred();
            window.showParagraph(id);
            QCoreApplication::processEvents();
            milliseconds.push_back(clock.nsecsElapsed() / 1e6);
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    return QStringLiteral("real-sized paragraphs (%1 switches through the test book): median %2 ms per switch, "
                          "slowest tenth from %3 ms")
        .arg(milliseconds.size())
        .arg(milliseconds.at(milliseconds.size() / 2), 0, 'f', 2)
        .arg(milliseconds.at(milliseconds.size() * 9 / 10), 0, 'f', 2);
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    const int longAdventure = argc > 1 ? qMax(batchSize, QByteArray(argv[1]).toInt()) : defaultLongAdventure;
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
    window.setKeptAutomatically(false); // bench_history weighs it; it would write among the user's files
    window.setFileName(path);
    window.show();
    rollHero(&window);
    window.loadGameBook();
    QCoreApplication::processEvents();

    report(QStringLiteral("heavy paragraph (1 MB text, 100 choices), switch at the start: %1")
               .arg(heavySwitchTimes(&window).text()));
    report(realSizedSwitches());
    const Measure measure;
    for (int visits = 0; visits < longAdventure; visits += batchSize) {
        // Ordinary paragraphs in turn, "001" to the last, again and again.
        const SwitchTimes times = switchThrough(
            &window, batchSize, [visits](int step) { return paragraphId(1 + (visits + step) % (paragraphCount - 1)); });
        if (visits == 0 || (visits + batchSize) % (longAdventure / 4) == 0)
            report(QStringLiteral("ordinary paragraph switch, visits %1 to %2: %3")
                       .arg(visits)
                       .arg(visits + batchSize)
                       .arg(times.text()));
    }
    report(QStringLiteral("%1 ordinary switches in all: %2 (visit list %3 characters)")
               .arg(longAdventure)
               .arg(measure.summary())
               .arg(window.adventure().visitedParagraphs().size()));
    report(QStringLiteral("heavy paragraph, switch after %1 visits: %2")
               .arg(longAdventure)
               .arg(heavySwitchTimes(&window).text()));
    return 0;
}
