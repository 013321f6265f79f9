// What the reader's presses do: meals, luck tests and flights.

#include "adventuredriver.h"
#include "character.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "modalanswers.h"
#include "testmain.h"

class ChoicesTest : public QObject {
    Q_OBJECT

public:
    explicit ChoicesTest(TestWorkspace *workspace)
        : workspace(workspace)
    {
    }

private:
    TestWorkspace *workspace;

private Q_SLOTS:
    void cleanup() { QVERIFY(AdventureDriver::deleteAdventureWindows()); }

    void takesMeals()
    {
        gameBook *window = AdventureDriver::start(workspace->writeParagraphs(R"(
            <Attr id="000"><Text>Une auberge.</Text><Type>O,E,C</Type>
              <Objects><O><Food Value="3"/></O></Objects><Choices><C Value="001">Sortir</C></Choices></Attr>
            <Attr id="001"><Text>Un piège.</Text><Type>B,E,C</Type><Bonus Endurance="-5"/>
              <Choices><C Value="000">Revenir</C></Choices></Attr>)"));
        const int full = AdventureDriver::sheetValue(window, "sb_maxEndurance");
        GameButton *meal = AdventureDriver::button(window, QStringLiteral("Prendre un repas ?"));
        QCOMPARE(meal->buttonType(), QStringLiteral("Eat"));
        meal->click();
        QVERIFY(!meal->isEnabled());
        QCOMPARE(window->heroCharacter()->endurance(), full);
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Food"), 3);
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Une auberge."));

        QVERIFY(AdventureDriver::press(window, QStringLiteral("Sortir")));
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"), full - 5);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Prendre un repas ?")));
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"), full - 3);
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Food"), 3);

        QVERIFY(AdventureDriver::press(window, QStringLiteral("Revenir")));
        QVERIFY(AdventureDriver::button(window, QStringLiteral("Prendre un repas ?"))->isEnabled());
    }

    void testsLuck_data()
    {
        QTest::addColumn<int>("margin"); // CHANCE before the test minus the dice total
        QTest::newRow("equal is lucky") << 0;
        QTest::newRow("one short is unlucky") << -1;
        QTest::newRow("far below zero") << -100;
    }

    void testsLuck()
    {
        QFETCH(int, margin);
        // A seed whose luck roll does not exceed the starting CHANCE, so that a penalty
        // alone brings CHANCE to any value at or below the roll.
        unsigned seed = 1;
        QList<int> dice = AdventureDriver::predictDice(seed, 8);
        while (dice[6] + dice[7] > dice[4] + 6)
            dice = AdventureDriver::predictDice(++seed, 8);
        const int roll = dice[6] + dice[7];
        const int chanceBefore = roll + margin;
        const QByteArray penalty = QByteArray::number(chanceBefore - (dice[4] + 6));
        gameBook *window = AdventureDriver::start(
            workspace->writeParagraphs("<Attr id=\"000\"><Text>Un pont.</Text><Type>B,L</Type>"
                                       "<Bonus Chance=\"" +
                                       penalty +
                                       "\"/><Luck>"
                                       "<Lucky Value=\"100\">Le pont tient.</Lucky>"
                                       "<Unlucky Value=\"200\">Le pont cède.</Unlucky></Luck></Attr>"
                                       "<Attr id=\"100\"><Text>Sauf</Text></Attr>"
                                       "<Attr id=\"200\"><Text>Dans l'eau</Text></Attr>"),
            seed);
        QCOMPARE(window->heroCharacter()->chance(), chanceBefore);

        ModalAnswers answers;
        QString title;
        answers.acceptDice(&title);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Tentez votre chance !")));
        QVERIFY(answers.allAnswered());
        QCOMPARE(title, QStringLiteral("TENTEZ VOTRE CHANCE - Lancer de dés"));
        const bool lucky = margin >= 0;
        QCOMPARE(AdventureDriver::shownText(window),
                 lucky ? QStringLiteral("Le pont tient.") : QStringLiteral("Le pont cède."));
        QCOMPARE(AdventureDriver::captions(window), QStringList { "Continuer" });
        QCOMPARE(window->heroCharacter()->chance(), chanceBefore - 1);
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Chance"), qMax(0, chanceBefore - 1));

        QVERIFY(AdventureDriver::press(window, QStringLiteral("Continuer")));
        QCOMPARE(AdventureDriver::shownText(window), lucky ? QStringLiteral("Sauf") : QStringLiteral("Dans l'eau"));
        QCOMPARE(window->visitedParagraphList(), lucky ? QStringLiteral("000,100,") : QStringLiteral("000,200,"));
    }

    void fleesWhateverItCosts()
    {
        const QList<int> dice = AdventureDriver::predictDice(3, 6);
        const int startingEndurance = dice[2] + dice[3] + 12;
        const QByteArray penalty = QByteArray::number(1 - startingEndurance);
        gameBook *window = AdventureDriver::start(
            workspace->writeParagraphs("<Attr id=\"000\"><Text>Un loup.</Text><Type>B,F</Type>"
                                       "<Bonus Endurance=\"" +
                                       penalty +
                                       "\"/>"
                                       "<Flee active=\"1\" Penality=\"0\" Round=\"1\" Ref=\"300\"/></Attr>"
                                       "<Attr id=\"300\"><Text>Loin du loup.</Text></Attr>"),
            3);
        QCOMPARE(window->heroCharacter()->endurance(), 1);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Fuir")));
        QCOMPARE(window->heroCharacter()->endurance(), -1);
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"), 0);
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Loin du loup."));
    }
};

VALDORIEL_TEST_MAIN(ChoicesTest)
#include "tst_choices.moc"
