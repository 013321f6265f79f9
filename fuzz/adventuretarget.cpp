// Fuzz target: a book played in the real adventure window, offscreen. The input begins
// with a header: four bytes that seed the dice, then the decisions (which button to press,
// which dialog button to click, which list row to pick); the rest is the book. The starting
// scores are rolled, the book is loaded, and buttons of the play area are pressed, one a
// decision, while every dialog is answered as it opens.

#include "decisionstream.h"
#include "dialogresponder.h"
#include "fuzzenvironment.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "randomdice.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstdint>

namespace {

constexpr int seedBytes = 4;
constexpr int decisionBytes = 12;
constexpr int maximumPresses = 6;
// The starting rolls are kept as they come, before the input's decisions; then a few rounds
// of a fight or a few more dice, after which every dialog is rejected.
constexpr int startingAnswers = 3;
constexpr int maximumAnswers = 40;
constexpr int timeLimitMilliseconds = 5000;

void deleteReleasedWidgets()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The play area's buttons on show, in the order they were made.
QList<GameButton *> playButtons(gameBook *window)
{
    QList<GameButton *> shown;
    for (GameButton *button : window->findChildren<GameButton *>()) {
        if (!button->isHidden())
            shown.append(button);
    }
    return shown;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(qMin(size, size_t(64 * 1024 * 1024))));
    const QByteArray seed = input.left(seedBytes).leftJustified(seedBytes, '\0');
    DecisionStream decisions(input.mid(seedBytes, decisionBytes));
    const QString path = FuzzEnvironment::instance().writeBook(input.mid(seedBytes + decisionBytes));

    auto *window = new gameBook;
    window->setFileName(path);
    window->show();
    RandomDice::shared().seed(qFromLittleEndian<quint32>(seed.constData()));
    {
        DecisionStream noDecisions { QByteArray() };
        DialogResponder startingRolls(&noDecisions, startingAnswers, timeLimitMilliseconds);
        window->rollStartingScores();
    }
    {
        DialogResponder responder(&decisions, maximumAnswers, timeLimitMilliseconds);
        window->loadGameBook();
        deleteReleasedWidgets();
        for (int press = 0; press < maximumPresses && !decisions.exhausted(); ++press) {
            const QList<GameButton *> buttons = playButtons(window);
            if (buttons.isEmpty())
                break;
            buttons.at(decisions.next() % buttons.size())->click();
            deleteReleasedWidgets();
        }
    }
    delete window;
    deleteReleasedWidgets();
    return 0;
}
