// The book shipped with the player, played from start to end through the real windows; the
// sheet stays a copy of the game all along, and the game played without windows, as the
// checker plays it, makes the same presses on the same dice to the same end.

#include "adventure.h"
#include "adventuredriver.h"
#include "character.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "modalanswers.h"
#include "scripteddice.h"
#include "scriptedinput.h"
#include "stat.h"
#include "testmain.h"

#include <random>

namespace {

const QString bundledBook = QStringLiteral("Add-on/la-tour-de-valdoriel.xml");

// Answers whatever the adventure opens: dice as rolled, the first object offered, and
// fights pressed until they end.
void answerEverything(ModalAnswers *answers)
{
    answers->alwaysFor("LaunchDeuce",
                       [](QWidget *dialog) { QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection); });
    answers->alwaysFor("QMessageBox", [](QWidget *box) { ModalAnswers::clickLater(box->findChild<QPushButton *>()); });
    answers->alwaysFor("InventoryChoice", [](QWidget *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("tableObject"));
        if (list->count() > 0)
            list->setCurrentRow(0);
        // "Valider" does not block; an empty list leaves it disabled, and then only closing helps.
        dialog->findChild<QPushButton *>(QStringLiteral("pb_Validate"))->click();
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    answers->alwaysFor("Attack", [](QWidget *dialog) {
        for (GameButton *button : dialog->findChildren<GameButton *>()) {
            if (button->text().startsWith(QStringLiteral("Force d'Attaque")))
                ModalAnswers::clickLater(button);
        }
    });
}

} // namespace

class BundledBookTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void canBePlayedToAnEnd()
    {
        // Past any adventure's needs: a fight of a thousand rounds draws 4000 dice.
        constexpr int enoughDice = 100000;
        const QString path = TestWorkspace::repositoryFile(bundledBook);
        int endings = 0;
        for (unsigned seed = 1; seed <= 6; ++seed) {
            ScriptedDice dice(AdventureDriver::predictDice(seed, enoughDice));
            ScriptedInput input;
            input.pickWhenNoneQueued = { 0, true };
            input.inFight = ScriptedInput::InFight::FightToTheEnd;
            Adventure alike(&dice, &input);
            gameBook *window = AdventureDriver::start(path, seed);
            alike.setParagraphs(window->adventure().paragraphs());
            alike.rollStartingScores();
            alike.enterParagraph(QStringLiteral("000"));
            std::mt19937 reader(seed);
            for (int press = 0; press < 80 && window->isVisible(); ++press) {
                QList<GameButton *> offered;
                for (GameButton *button : AdventureDriver::buttons(window)) {
                    if (button->isEnabled())
                        offered << button;
                }
                if (offered.isEmpty())
                    break;
                const int pick = int(reader() % unsigned(offered.size()));
                GameButton *chosen = offered.at(pick);
                QList<PlayAction> offeredAlike;
                for (const PlayAction &action : alike.screen().actions) {
                    if (action.enabled)
                        offeredAlike << action;
                }
                QCOMPARE(offeredAlike.size(), offered.size());
                alike.press(offeredAlike.at(pick));
                ModalAnswers answers(60000);
                answerEverything(&answers);
                chosen->click();
                AdventureDriver::settle();
                QVERIFY(!answers.timedOut());
                const Adventure &game = window->adventure();
                // The spin boxes hold 0 to 99.
                QList<int> sheet;
                for (const Stat *score : { game.habilete(), game.endurance(), game.chance() })
                    sheet << qBound(0, score->initial(), 99) << qBound(0, score->current(), 99);
                QCOMPARE(AdventureDriver::sheet(window), sheet << game.gold() << game.provisions());
                QCOMPARE(AdventureDriver::equipmentRows(window), game.inventory().rows());
                QVERIFY(window->isHidden() || !AdventureDriver::shownText(window).isEmpty() ||
                        AdventureDriver::buttons(window).isEmpty());
                QCOMPARE(alike.visitedParagraphs(), game.visitedParagraphs());
                QCOMPARE(alike.hero()->endurance(), game.hero()->endurance());
                QCOMPARE(alike.hero()->chance(), game.hero()->chance());
                QCOMPARE(alike.inventory().rows(), game.inventory().rows());
                QCOMPARE(alike.screen().text, game.screen().text);
            }
            QCOMPARE(alike.screen().shows, window->adventure().screen().shows);
            if (window->isHidden())
                ++endings;
            delete window;
        }
        QVERIFY(endings > 0);
    }
};

VALDORIEL_TEST_MAIN(BundledBookTest)
#include "tst_bundledbook.moc"
