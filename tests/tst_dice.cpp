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

// The labels showing a face: those holding a picture.
int shownFaces(QWidget *dialog)
{
    int faces = 0;
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->isVisible() && !label->pixmap(Qt::ReturnByValue).isNull())
            ++faces;
    }
    return faces;
}

QLabel *helpLabel(QWidget *dialog)
{
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->text().startsWith(QStringLiteral("Vous avez plusieurs tentatives")))
            return label;
    }
    return nullptr;
}

} // namespace

class DiceTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void offersThreeRerollsAndKeepsTheLast()
    {
        const QList<int> dice = AdventureDriver::predictDice(11, 8);
        ModalAnswers answers;
        QStringList rerollTexts;
        bool enabledAtEnd = true;
        bool helpShown = false;
        int faces = 0;
        answers.thenFor("LaunchDeuce", [&](QWidget *dialog) {
            QPushButton *reroll = buttonNamed(dialog, QStringLiteral("Encore"));
            helpShown = helpLabel(dialog)->isVisible();
            faces = shownFaces(dialog);
            rerollTexts << reroll->text();
            for (int press = 0; press < 4; ++press) {
                reroll->click(); // the fourth press finds the button disabled
                rerollTexts << reroll->text();
            }
            enabledAtEnd = reroll->isEnabled();
            ModalAnswers::clickLater(buttonNamed(dialog, QStringLiteral("OK")));
        });
        const int total = LaunchDeuce::launch(QStringLiteral("HABILETE - Lancer de dés"), 1, 3);
        QVERIFY(answers.allAnswered());
        QVERIFY(helpShown);
        QCOMPARE(faces, 1);
        QCOMPARE(rerollTexts,
                 (QStringList { "Encore 3 tentative(s)", "Encore 2 tentative(s)", "Encore 1 tentative(s)",
                                "Plus de tentatives disponibles", "Plus de tentatives disponibles" }));
        QVERIFY(!enabledAtEnd);
        // Four rolls of two draws each; a one-die roll counts only the first of its pair.
        QCOMPARE(total, dice[6]);
    }

    void countsTheRollOnScreenHoweverClosed_data()
    {
        QTest::addColumn<int>("diceCount");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("escape");
        QTest::newRow("two dice, OK") << 2 << 3 << false;
        QTest::newRow("two dice, Escape") << 2 << 3 << true;
        QTest::newRow("one die, Escape") << 1 << 3 << true;
        QTest::newRow("no die rolls one") << 0 << 3 << false;
        QTest::newRow("five dice roll two") << 5 << 3 << false;
        QTest::newRow("luck test: no attempts") << 2 << 0 << false;
    }

    void countsTheRollOnScreenHoweverClosed()
    {
        QFETCH(int, diceCount);
        QFETCH(int, attempts);
        QFETCH(bool, escape);
        const QList<int> dice = AdventureDriver::predictDice(5, 2);
        ModalAnswers answers;
        QString title;
        int faces = 0;
        bool rerollShown = false;
        bool helpShown = false;
        answers.thenFor("LaunchDeuce", [&](QWidget *dialog) {
            title = dialog->windowTitle();
            faces = shownFaces(dialog);
            rerollShown = buttonNamed(dialog, QStringLiteral("Encore"))->isVisible();
            helpShown = helpLabel(dialog)->isVisible();
            if (escape)
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                ModalAnswers::clickLater(buttonNamed(dialog, QStringLiteral("OK")));
        });
        const int total = LaunchDeuce::launch(QString(), diceCount, attempts);
        QVERIFY(answers.allAnswered());
        QCOMPARE(title, QStringLiteral("Lancer de dés"));
        const bool twoDice = diceCount >= 2;
        QCOMPARE(faces, twoDice ? 2 : 1);
        QCOMPARE(total, twoDice ? dice[0] + dice[1] : dice[0]);
        // Without attempts only the faces and "OK" show.
        QCOMPARE(rerollShown, attempts > 0);
        QCOMPARE(helpShown, attempts > 0);
    }
};

VALDORIEL_TEST_MAIN(DiceTest)
#include "tst_dice.moc"
