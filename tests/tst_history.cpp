// Stepping back and forward through an adventure, as the reader does it from the menu
// "Aventure": after each kind of press, with the dice given back or rolled afresh, and to a
// screen of the journal.

#include "adventure.h"
#include "adventuredriver.h"
#include "gamebook.h"
#include "modalanswers.h"
#include "randomdice.h"
#include "testmain.h"

namespace {

// A crossroads where the hero arrives tired, with a dagger; a goblin already beaten (closing
// the combat dialog wins), a wolf to flee from, and a merchant who trades a lantern.
const QByteArray paragraphs =
    "<Attr id=\"000\"><Text>Au carrefour.</Text><Type>B,O,E,L,C</Type><Bonus Endurance=\"-4\"/>"
    "<Objects><O><Text>Dague</Text><Type>1</Type><Gold Value=\"3\"/></O></Objects>"
    "<Luck><Lucky Value=\"000\">La chance vous sourit.</Lucky><Unlucky Value=\"000\">Rien.</Unlucky></Luck>"
    "<Choices><C Value=\"001\">Affronter le gobelin</C><C Value=\"002\">Affronter le loup</C>"
    "<C Value=\"003\">Voir le marchand</C></Choices></Attr>"
    "<Attr id=\"001\"><Text>Un gobelin.</Text><Type>A</Type>"
    "<Monster><M Name=\"Gobelin\" Habilete=\"5\" Endurance=\"0\" Value=\"000\"/></Monster></Attr>"
    "<Attr id=\"002\"><Text>Un loup.</Text><Type>A,F</Type>"
    "<Monster><M Name=\"Loup\" Habilete=\"5\" Endurance=\"6\" Value=\"000\"/></Monster>"
    "<Flee active=\"1\" Round=\"1\" Ref=\"000\"/></Attr>"
    "<Attr id=\"003\"><Text>Un marchand.</Text><Type>O</Type>"
    "<Objects><O exchange=\"1\"><Text>Lanterne</Text></O></Objects></Attr>";

} // namespace

class HistoryTest : public WorkspaceTest {
    Q_OBJECT

private:
    gameBook *window = nullptr;

    // Keeps every roll, gives up the first object offered, and in a fight rolls the
    // monster's strength and then flees, or closes the dialog when there is no flight.
    // Nothing steps back meanwhile, though the reader asks.
    void answerEveryDialog(ModalAnswers *answers)
    {
        answers->alwaysFor("LaunchDeuce", [this](QWidget *dialog) {
            AdventureDriver::action(window, "actionRevenir")->trigger();
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        answers->alwaysFor("InventoryChoice", [](QWidget *dialog) {
            dialog->findChild<QListWidget *>()->setCurrentRow(0);
            ModalAnswers::clickLater(dialog->findChild<QPushButton *>(QStringLiteral("pb_Validate")));
        });
        answers->alwaysFor("Attack", [](QWidget *dialog) {
            QPushButton *flee = nullptr;
            QPushButton *attack = nullptr;
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                (button->text() == QLatin1String("Fuir") ? flee : attack) = button->isVisible() ? button : nullptr;
            if (!flee) {
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
                return;
            }
            const bool rolled = dialog->findChild<QSpinBox *>(QStringLiteral("sb_FAMonster"))->value() > 0;
            ModalAnswers::clickLater(rolled ? flee : attack);
        });
    }

private Q_SLOTS:
    void init()
    {
        workspace.clearBooks();
        window = AdventureDriver::start(workspace.writeParagraphs(paragraphs));
    }

    void stepsBackAfterEachKindOfPress_data()
    {
        QTest::addColumn<QStringList>("presses"); // the last is stepped back
        QTest::newRow("a choice") << QStringList { "Affronter le gobelin" };
        QTest::newRow("a meal") << QStringList { "Prendre un repas ?" };
        QTest::newRow("a luck test") << QStringList { "Prendre un repas ?", "Tentez votre chance !" };
        QTest::newRow("a fight won") << QStringList { "Affronter le gobelin", "Attaquer Gobelin" };
        QTest::newRow("a fight fled") << QStringList { "Affronter le loup", "Attaquer Loup" };
        QTest::newRow("an exchange of objects") << QStringList { "Voir le marchand" };
    }

    void stepsBackAfterEachKindOfPress()
    {
        QFETCH(QStringList, presses);
        ModalAnswers answers;
        answerEveryDialog(&answers);
        for (const QString &caption : presses.mid(0, presses.size() - 1))
            QVERIFY(AdventureDriver::press(window, caption));
        const QStringList before = AdventureDriver::view(window);
        const QString visited = window->adventure().visitedParagraphs();
        const DiceSource::Position dice = RandomDice::shared().position();
        QVERIFY(AdventureDriver::press(window, presses.last()));
        const QStringList after = AdventureDriver::view(window);
        QVERIFY(after != before);

        AdventureDriver::trigger(window, "actionRevenir");
        QCOMPARE(AdventureDriver::view(window), before);
        QCOMPARE(window->adventure().visitedParagraphs(), visited);
        QVERIFY(RandomDice::shared().position() == dice);
        AdventureDriver::trigger(window, "actionAvancer");
        QCOMPARE(AdventureDriver::view(window), after);
        // Back again, the same press rolls the same dice, and drops the step ahead.
        AdventureDriver::trigger(window, "actionRevenir");
        QVERIFY(AdventureDriver::press(window, presses.last()));
        QCOMPARE(AdventureDriver::view(window), after);
        QVERIFY(!AdventureDriver::action(window, "actionAvancer")->isEnabled());
    }

    void rollsFreshDiceWithTheCheckBox()
    {
        ModalAnswers answers;
        answerEveryDialog(&answers);
        AdventureDriver::trigger(window, "actionRelancerLesDes");
        const qint64 drawn = RandomDice::shared().position().drawn;
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Tentez votre chance !")));
        AdventureDriver::trigger(window, "actionRevenir");
        // The dice stay where the roll left them: the next test draws the two dice after it.
        QCOMPARE(RandomDice::shared().position().drawn, drawn + 2);
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Au carrefour."));
    }

    void returnsToAScreenOfTheJournal()
    {
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Prendre un repas ?")));
        const QStringList afterTheMeal = AdventureDriver::view(window);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Affronter le gobelin")));
        QStringList entries;
        ModalAnswers answers;
        answers.thenFor("JournalDialog", [&entries](QWidget *dialog) {
            auto *list = dialog->findChild<QListWidget *>(QStringLiteral("listJournal"));
            for (int row = 0; row < list->count(); ++row)
                entries << list->item(row)->text();
            list->setCurrentRow(0);
            ModalAnswers::clickLater(dialog->findChild<QPushButton *>(QStringLiteral("pb_ReturnHere")));
        });
        AdventureDriver::trigger(window, "actionJournal");
        QVERIFY(answers.allAnswered());
        // The meal left its screen on show: two screens, the first as the meal left it.
        QCOMPARE(entries, (QStringList { "000 — Au carrefour.", "001 — Un gobelin." }));
        QCOMPARE(AdventureDriver::view(window), afterTheMeal);
        QVERIFY(AdventureDriver::action(window, "actionAvancer")->isEnabled());
    }
};

VALDORIEL_TEST_MAIN(HistoryTest)
#include "tst_history.moc"
