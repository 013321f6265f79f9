// Fights as the reader plays them: the rounds of the combat dialog with predicted dice,
// and what the adventure shows once the dialog has closed.

#include "adventuredriver.h"
#include "attack.h"
#include "character.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "modalanswers.h"
#include "opponent.h"
#include "testmain.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>

namespace {

// What the combat dialog shows at one moment.
struct FightView {
    QStringList buttons; // the visible buttons of the button area, top to bottom
    int monsterStrength = -1;
    int heroStrength = -1;
    int heroEndurance = -1;
    int monsterEndurance = -1;
    QString bonus;
};

// One round's message box, and the dialog behind it while the box is open.
struct Round {
    QString title;
    QString text;
    FightView behind;
};

int spinValue(QWidget *dialog, const char *name)
{
    return dialog->findChild<QSpinBox *>(QLatin1String(name))->value();
}

QList<GameButton *> fightButtons(QWidget *dialog)
{
    QList<GameButton *> found;
    auto *grid = dialog->findChild<QGridLayout *>(QStringLiteral("gridButton"));
    for (int row = 0; row < grid->rowCount(); ++row) {
        QLayoutItem *item = grid->itemAtPosition(row, 0);
        auto *button = item ? qobject_cast<GameButton *>(item->widget()) : nullptr;
        if (button && button->isVisible())
            found.append(button);
    }
    return found;
}

FightView look(QWidget *dialog)
{
    FightView view;
    for (GameButton *button : fightButtons(dialog))
        view.buttons.append(button->text());
    view.monsterStrength = spinValue(dialog, "sb_FAMonster");
    view.heroStrength = spinValue(dialog, "sb_FAPerso");
    view.heroEndurance = spinValue(dialog, "sb_EndurancePerso");
    view.monsterEndurance = spinValue(dialog, "sb_EnduranceMonster");
    view.bonus = dialog->findChild<QLabel *>(QStringLiteral("lbl_Bonus"))->text();
    return view;
}

// Presses the combat dialog's button with that caption, noting first what the dialog shows.
void pressInFight(ModalAnswers &answers, const QString &caption, FightView *before = nullptr)
{
    answers.then<Attack>([caption, before](Attack *dialog) {
        if (before)
            *before = look(dialog);
        for (GameButton *button : fightButtons(dialog)) {
            if (button->text() == caption)
                ModalAnswers::clickLater(button);
        }
    });
}

// Closes the combat dialog as its close box does.
void closeFight(ModalAnswers &answers, FightView *before = nullptr)
{
    answers.then<Attack>([before](Attack *dialog) {
        if (before)
            *before = look(dialog);
        QMetaObject::invokeMethod(dialog, "close", Qt::QueuedConnection);
    });
}

// One whole round: the monster's roll, the hero's roll, then the round's message box.
void playRound(ModalAnswers &answers, Round *round)
{
    pressInFight(answers, QStringLiteral("Force d'Attaque MONSTRE"));
    pressInFight(answers, QStringLiteral("Force d'Attaque JOUEUR"));
    answers.then<QMessageBox>([round](QMessageBox *box) {
        round->title = box->windowTitle();
        round->text = box->text();
        round->behind = look(box->parentWidget());
        ModalAnswers::clickLater(box->button(QMessageBox::Ok));
    });
}

// Seeds the dice so that the next round ends as wanted (1: the hero hits, -1: the monster
// hits, 0: nobody) and returns the `count` dice to come: the monster's two, the hero's two,
// then the next rolls. Empty when no seed tried gives that round.
QList<int> seedRound(int monsterBase, int heroBase, int wanted, int count = 4)
{
    for (unsigned seed = 1; seed < 10000; ++seed) {
        const QList<int> dice = AdventureDriver::predictDice(seed, count);
        const int margin = heroBase + dice[2] + dice[3] - monsterBase - dice[0] - dice[1];
        if ((margin > 0) - (margin < 0) == wanted)
            return dice;
    }
    return {};
}

// The adventure window keeps one combat dialog, without parent, for all its fights.
Attack *fightDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<Attack *>(widget))
            return dialog;
    }
    return nullptr;
}

// A paragraph with one monster: beating it leads to "010", fleeing from it to "020".
QByteArray fightParagraph(const QByteArray &id, const QByteArray &monster, qint64 habilete, int endurance,
                          int fleeRound, const QByteArray &objects = {})
{
    return "<Attr id=\"" + id + "\"><Text>" + monster + " attaque.</Text><Type>O,A</Type><Objects>" + objects +
        "</Objects><Monster><M Name=\"" + monster + "\" Habilete=\"" + QByteArray::number(habilete) +
        "\" Endurance=\"" + QByteArray::number(endurance) + "\" Value=\"010\"/></Monster><Flee active=\"1\" Round=\"" +
        QByteArray::number(fleeRound) + "\" Ref=\"020\"/></Attr>";
}

} // namespace

class CombatTest : public QObject {
    Q_OBJECT

public:
    explicit CombatTest(TestWorkspace *workspace)
        : workspace(workspace)
    {
    }

private:
    // An adventure whose first paragraph is a fight against "Orc".
    gameBook *startFight(qint64 habilete, int endurance, int fleeRound = 0, const QByteArray &objects = {},
                         const QByteArray &more = {})
    {
        const QByteArray paragraphs = fightParagraph("000", "Orc", habilete, endurance, fleeRound, objects) +
            "<Attr id=\"010\"><Text>Victoire</Text></Attr>" + more;
        return AdventureDriver::start(
            workspace->writeBook(QStringLiteral("combat.xml"), TestWorkspace::book(paragraphs)));
    }

    TestWorkspace *workspace;

private Q_SLOTS:
    void init() { workspace->clearBooks(); }

    void cleanup() { QVERIFY(AdventureDriver::deleteAdventureWindows()); }

    void killsTheMonster_data()
    {
        QTest::addColumn<int>("habilete");
        QTest::addColumn<int>("endurance");
        QTest::addColumn<int>("left");
        QTest::newRow("endurance 2") << 6 << 2 << 0;
        QTest::newRow("endurance 1 falls below 0") << 6 << 1 << -1;
        QTest::newRow("attack strength below 0") << -20 << 2 << 0;
    }

    void killsTheMonster()
    {
        QFETCH(int, habilete);
        QFETCH(int, endurance);
        QFETCH(int, left);
        gameBook *window = startFight(habilete, endurance);
        const int heroEndurance = window->heroCharacter()->endurance();
        ModalAnswers answers;
        Round round;
        playRound(answers, &round);
        QCOMPARE(seedRound(habilete, window->heroCharacter()->habilete(), 1).size(), 4);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Attaquer Orc")));
        QVERIFY(answers.allAnswered() && !answers.timedOut());

        QCOMPARE(round.title, QStringLiteral("Tué !"));
        QCOMPARE(round.text, QStringLiteral("Vous avez touché le monstre. Il s'effondre sans vie à vos pieds."));
        QVERIFY(!fightDialog()->isVisible());
        QCOMPARE(window->currentOpponent()->endurance(), left);
        QCOMPARE(spinValue(fightDialog(), "sb_EnduranceMonster"), 0);
        QCOMPARE(window->heroCharacter()->endurance(), heroEndurance);
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Vous avez été victorieux."));
        QCOMPARE(AdventureDriver::captions(window), QStringList { QStringLiteral("Continuer") });
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Continuer")));
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Victoire"));
    }

    void killsTheHero_data()
    {
        QTest::addColumn<qint64>("habilete");
        QTest::addColumn<QByteArray>("objects");
        QTest::addColumn<QString>("bonus");
        QTest::newRow("stronger monster") << qint64(30) << QByteArray() << "Bonus : +0 de Force d'Attaque";
        QTest::newRow("overflow-sized numbers")
            << qint64(2147483647)
            << QByteArray("<Objet><Text>Maudite</Text><Type>1</Type><Bonus Habilete=\"-2147483648\"/></Objet>")
            << "Malus : -2147483648 de Force d'Attaque";
    }

    void killsTheHero()
    {
        QFETCH(qint64, habilete);
        QFETCH(QByteArray, objects);
        QFETCH(QString, bonus);
        gameBook *window = startFight(habilete, 10, 0, objects);
        // The monster wins every round whatever the dice: one round per 2 points of ENDURANCE.
        QVector<Round> rounds((window->heroCharacter()->endurance() + 1) / 2);
        ModalAnswers answers;
        for (Round &round : rounds)
            playRound(answers, &round);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Attaquer Orc")));
        QVERIFY(answers.allAnswered() && !answers.timedOut());

        QCOMPARE(rounds.first().behind.bonus, bonus);
        for (int index = 0; index + 1 < rounds.size(); ++index) {
            QCOMPARE(rounds.at(index).title, QStringLiteral("Touché !"));
            QCOMPARE(rounds.at(index).text,
                     QStringLiteral("Le monstre vous a touché. Il vous inflige 2 points de dégats."));
        }
        QCOMPARE(rounds.last().title, QStringLiteral("Tué !"));
        QCOMPARE(rounds.last().text,
                 QStringLiteral("Le monstre vous a touché. Vous vous effondrez sans vie à ses pieds."));
        QVERIFY(window->heroCharacter()->endurance() <= 0);
        QCOMPARE(window->currentOpponent()->endurance(), 10);
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"), 0);
        QCOMPARE(AdventureDriver::shownText(window),
                 QStringLiteral("Vous avez été vaincu et votre aventure s'arrête ici..."));
        QCOMPARE(AdventureDriver::captions(window), QStringList { QStringLiteral("Terminer") });
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Terminer")));
        QVERIFY(!window->isVisible());
    }

    void equalStrengthsHurtNobody()
    {
        gameBook *window = startFight(9, 6);
        const int heroEndurance = window->heroCharacter()->endurance();
        ModalAnswers answers;
        Round round;
        FightView afterRound;
        FightView nextRoll;
        playRound(answers, &round);
        pressInFight(answers, QStringLiteral("Force d'Attaque MONSTRE"), &afterRound);
        closeFight(answers, &nextRoll);
        const QList<int> dice = seedRound(9, window->heroCharacter()->habilete(), 0, 6);
        QCOMPARE(dice.size(), 6);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Attaquer Orc")));
        QVERIFY(answers.allAnswered() && !answers.timedOut());

        QCOMPARE(round.title, QStringLiteral("Raté !"));
        QCOMPARE(round.text, QStringLiteral("Vous vous bloquez mutuellement vos attaques."));
        QCOMPARE(round.behind.monsterStrength, 9 + dice[0] + dice[1]);
        QCOMPARE(round.behind.heroStrength, round.behind.monsterStrength);
        QCOMPARE(afterRound.buttons, QStringList { QStringLiteral("Force d'Attaque MONSTRE") });
        QCOMPARE(afterRound.monsterStrength, 0);
        QCOMPARE(afterRound.heroStrength, 0);
        QCOMPARE(afterRound.heroEndurance, heroEndurance);
        QCOMPARE(afterRound.monsterEndurance, 6);
        // The next press is the monster's roll of a new round.
        QCOMPARE(nextRoll.monsterStrength, 9 + dice[4] + dice[5]);
        QCOMPARE(nextRoll.heroStrength, 0);
        QCOMPARE(nextRoll.buttons, QStringList { QStringLiteral("Force d'Attaque JOUEUR") });
        QCOMPARE(AdventureDriver::textView(window), nullptr);
    }

    void closingTheDialog_data()
    {
        QTest::addColumn<int>("endurance");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("both standing") << 6 << QString();
        QTest::newRow("monster dead from the start") << 0 << "Vous avez été victorieux.";
    }

    void closingTheDialog()
    {
        QFETCH(int, endurance);
        QFETCH(QString, outcome);
        gameBook *window = startFight(6, endurance);
        const int heroEndurance = window->heroCharacter()->endurance();
        ModalAnswers answers;
        FightView seen;
        closeFight(answers, &seen);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Attaquer Orc")));
        QVERIFY(answers.allAnswered() && !answers.timedOut());

        QCOMPARE(seen.buttons, QStringList { QStringLiteral("Force d'Attaque MONSTRE") });
        QVERIFY(!fightDialog()->hasFled());
        QCOMPARE(window->heroCharacter()->endurance(), heroEndurance);
        QCOMPARE(window->currentOpponent()->endurance(), endurance);
        QCOMPARE(AdventureDriver::shownText(window), outcome);
        if (outcome.isEmpty()) {
            QVERIFY(AdventureDriver::buttons(window).isEmpty());
        } else {
            QVERIFY(AdventureDriver::press(window, QStringLiteral("Continuer")));
            QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Victoire"));
        }
    }

    void fleeingLeavesNoTrace_data()
    {
        QTest::addColumn<int>("secondRound");
        QTest::newRow("round 0") << 0;
        QTest::newRow("round 2") << 2;
        QTest::newRow("round 1") << 1;
    }

    void fleeingLeavesNoTrace()
    {
        QFETCH(int, secondRound);
        gameBook *window = startFight(6, 6, 1, {}, fightParagraph("020", "Troll", 8, 6, secondRound));
        const int heroEndurance = AdventureDriver::sheetValue(window, "sb_Endurance");
        ModalAnswers answers;
        FightView midRound;
        pressInFight(answers, QStringLiteral("Force d'Attaque MONSTRE"));
        pressInFight(answers, QStringLiteral("Fuir"), &midRound);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Attaquer Orc")));
        QVERIFY(answers.allAnswered() && !answers.timedOut());
        QCOMPARE(midRound.buttons, (QStringList { "Force d'Attaque JOUEUR", "Fuir" }));
        QVERIFY(midRound.monsterStrength > 0);
        QVERIFY(fightDialog()->hasFled());
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Vous avez réussi à vous enfuir."));
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"), heroEndurance);

        // The flight is paid on "Continuer", which leads to the paragraph fled to.
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Continuer")));
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"), heroEndurance - 2);
        QVERIFY(AdventureDriver::shownText(window).startsWith(QStringLiteral("Troll attaque.")));

        FightView fresh;
        FightView rolled;
        pressInFight(answers, QStringLiteral("Force d'Attaque MONSTRE"), &fresh);
        closeFight(answers, &rolled);
        const QList<int> dice = AdventureDriver::predictDice(7, 2);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Attaquer Troll")));
        QVERIFY(answers.allAnswered() && !answers.timedOut());
        QStringList offered { QStringLiteral("Force d'Attaque MONSTRE") };
        if (secondRound == 1)
            offered.append(QStringLiteral("Fuir"));
        QCOMPARE(fresh.buttons, offered);
        QCOMPARE(fresh.monsterStrength, 0);
        QCOMPARE(fresh.heroStrength, 0);
        QCOMPARE(rolled.monsterStrength, 8 + dice[0] + dice[1]);
        QCOMPARE(rolled.buttons.first(), QStringLiteral("Force d'Attaque JOUEUR"));
        QVERIFY(!fightDialog()->hasFled());
    }

    void bonusCountsInAttackStrength_data()
    {
        QTest::addColumn<QByteArray>("objects");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("bonus");
        QTest::newRow("weapon +2 and armour -3")
            << QByteArray("<Objet><Text>Lance</Text><Type>1</Type><Bonus Habilete=\"2\"/></Objet>"
                          "<Objet><Text>Cotte</Text><Type>2</Type><Bonus Habilete=\"-3\"/></Objet>")
            << "Malus : -1 de Force d'Attaque" << -1;
        QTest::newRow("no items") << QByteArray() << "Bonus : +0 de Force d'Attaque" << 0;
    }

    void bonusCountsInAttackStrength()
    {
        QFETCH(QByteArray, objects);
        QFETCH(QString, label);
        QFETCH(int, bonus);
        gameBook *window = startFight(6, 20, 0, objects);
        ModalAnswers answers;
        Round round;
        playRound(answers, &round);
        closeFight(answers);
        const QList<int> dice = AdventureDriver::predictDice(3, 4);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Attaquer Orc")));
        QVERIFY(answers.allAnswered() && !answers.timedOut());
        QCOMPARE(round.behind.bonus, label);
        QCOMPARE(round.behind.monsterStrength, 6 + dice[0] + dice[1]);
        QCOMPARE(round.behind.heroStrength, window->heroCharacter()->habilete() + dice[2] + dice[3] + bonus);
    }
};

VALDORIEL_TEST_MAIN(CombatTest)
#include "tst_combat.moc"
