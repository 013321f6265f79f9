// The dice dialog: its faces, its re-rolls, and the roll it keeps however it is closed.

#include "adventuredriver.h"
#include "launchdeuce.h"
#include "modalanswers.h"
#include "testmain.h"

namespace {

QPushButton *buttonNamed(QWidget *dialog, const QString &prefix)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text().startsWith(prefix))
            return button;
    }
    return nullptr;
}

} // namespace

class DiceTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void keepsTheRollOnScreenHoweverClosed_data()
    {
        QTest::addColumn<int>("diceCount");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<int>("rerolls"); // presses of the re-roll button, including on a disabled one
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QStringList>("rerollTexts"); // when it shows: at first and after each press
        const QStringList three { "Encore 3 tentative(s)" };
        QTest::newRow("three re-rolls, then none")
            << 1 << 3 << 4 << false
            << (three +
                QStringList { "Encore 2 tentative(s)", "Encore 1 tentative(s)", "Plus de tentatives disponibles",
                              "Plus de tentatives disponibles" });
        QTest::newRow("two dice, OK") << 2 << 3 << 0 << false << three;
        QTest::newRow("two dice, Escape") << 2 << 3 << 0 << true << three;
        QTest::newRow("one die, Escape") << 1 << 3 << 0 << true << three;
        QTest::newRow("no die rolls one") << 0 << 3 << 0 << false << three;
        QTest::newRow("five dice roll two") << 5 << 3 << 0 << false << three;
        // Without attempts only the faces and "OK" show.
        QTest::newRow("luck test: no attempts") << 2 << 0 << 0 << false << QStringList();
    }

    void keepsTheRollOnScreenHoweverClosed()
    {
        QFETCH(int, diceCount);
        QFETCH(int, attempts);
        QFETCH(int, rerolls);
        QFETCH(bool, escape);
        QFETCH(QStringList, rerollTexts);
        const QList<int> dice = AdventureDriver::predictDice(5, 2 * attempts + 2);
        ModalAnswers answers;
        QString title;
        int faces = 0;
        QStringList texts;
        bool helpShown = false;
        bool enabledAtEnd = false;
        answers.thenFor("LaunchDeuce", [&](QWidget *dialog) {
            title = dialog->windowTitle();
            for (QLabel *label : dialog->findChildren<QLabel *>()) {
                if (!label->isVisible())
                    continue;
                // The faces are the labels holding a picture.
                faces += label->pixmap(Qt::ReturnByValue).isNull() ? 0 : 1;
                helpShown = helpShown || label->text().startsWith(QStringLiteral("Vous avez plusieurs tentatives"));
            }
            QPushButton *reroll = buttonNamed(dialog, QStringLiteral("Encore"));
            for (int press = 0; reroll->isVisible() && press <= rerolls; ++press) {
                texts << reroll->text();
                if (press < rerolls)
                    reroll->click();
            }
            enabledAtEnd = reroll->isVisible() && reroll->isEnabled();
            if (escape)
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                ModalAnswers::clickLater(buttonNamed(dialog, QStringLiteral("OK")));
        });
        const int total = LaunchDeuce::launch(QString(), diceCount, attempts);
        QVERIFY(answers.allAnswered());
        QCOMPARE(title, QStringLiteral("Lancer de dés"));
        QCOMPARE(texts, rerollTexts);
        QCOMPARE(helpShown, attempts > 0);
        QCOMPARE(enabledAtEnd, rerolls < attempts);
        // Each roll draws a pair of dice; a one-die roll counts only the first of its pair.
        const bool twoDice = diceCount >= 2;
        const int last = 2 * qMin(rerolls, attempts);
        QCOMPARE(faces, twoDice ? 2 : 1);
        QCOMPARE(total, twoDice ? dice[last] + dice[last + 1] : dice[last]);
    }
};

VALDORIEL_TEST_MAIN(DiceTest)
#include "tst_dice.moc"
