// Fights as the reader plays them: the rounds of the combat dialog with predicted dice,
// and what the adventure shows once the dialog has closed.

#include "adventure.h"
#include "adventuredriver.h"
#include "attack.h"
#include "character.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "modalanswers.h"
#include "opponent.h"
#include "testmain.h"

namespace {

const QString monsterRoll = QStringLiteral("Force d'Attaque MONSTRE");
const QString heroRoll = QStringLiteral("Force d'Attaque JOUEUR");

// What the combat dialog shows at one moment, with the round's message box if one is open.
struct FightView {
    QWidget *dialog = nullptr;
    QStringList buttons; // the visible buttons, in the order they were placed
    int monsterStrength = -1;
    int heroStrength = -1;
    QString bonus;
    QString message; // the message box's title and text, one line each
};

FightView look(QWidget *dialog)
{
    FightView view;
    view.dialog = dialog;
    for (GameButton *button : dialog->findChildren<GameButton *>()) {
        if (button->isVisible())
            view.buttons.append(button->text());
    }
    view.monsterStrength = dialog->findChild<QSpinBox *>(QStringLiteral("sb_FAMonster"))->value();
    view.heroStrength = dialog->findChild<QSpinBox *>(QStringLiteral("sb_FAPerso"))->value();
    view.bonus = dialog->findChild<QLabel *>(QStringLiteral("lbl_Bonus"))->text();
    return view;
}

// A paragraph with one monster: beating it leads to "010", fleeing from it to "020".
QByteArray fightParagraph(const QByteArray &id, const QByteArray &monster, int habilete, int endurance, int fleeRound,
                          const QByteArray &objects = {})
{
    return "<Attr id=\"" + id + "\"><Text>" + monster + " attaque.</Text><Type>O,A</Type><Objects>" + objects +
        "</Objects><Monster><M Name=\"" + monster + "\" Habilete=\"" + QByteArray::number(habilete) +
        "\" Endurance=\"" + QByteArray::number(endurance) + "\" Value=\"010\"/></Monster><Flee active=\"1\" Round=\"" +
        QByteArray::number(fleeRound) + "\" Ref=\"020\"/></Attr>";
}

} // namespace

class CombatTest : public WorkspaceTest {
    Q_OBJECT

private:
    // An adventure on these paragraphs, in which beating a monster leads to "Victoire".
    gameBook *start(const QByteArray &paragraphs)
    {
        return AdventureDriver::start(
            workspace.writeParagraphs(paragraphs + "<Attr id=\"010\"><Text>Victoire</Text></Attr>"));
    }

    // Presses `caption` in the play area, then each of `presses` in the combat dialog (an empty one
    // closes it as its close box does), accepting the message boxes and keeping what the dialog
    // showed before each press and behind each box. True when every press was answered in time.
    bool fight(gameBook *window, const QString &caption, const QStringList &presses)
    {
        beforePress.clear();
        rounds.clear();
        ModalAnswers answers;
        answers.alwaysFor("QMessageBox", [this](QWidget *widget) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            rounds.append(look(box->parentWidget()));
            rounds.last().message = box->windowTitle() + '\n' + box->text();
            ModalAnswers::clickLater(box->button(QMessageBox::Ok));
        });
        for (const QString &press : presses) {
            answers.then<Attack>([this, press](Attack *dialog) {
                beforePress.append(look(dialog));
                if (press.isEmpty())
                    QMetaObject::invokeMethod(dialog, "close", Qt::QueuedConnection);
                for (GameButton *button : dialog->findChildren<GameButton *>()) {
                    if (button->isVisible() && button->text() == press)
                        ModalAnswers::clickLater(button);
                }
            });
        }
        warnings().clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &message) {
                if (type == QtWarningMsg)
                    warnings().append(message);
            });
        const bool answered = AdventureDriver::press(window, caption) && answers.allAnswered();
        qInstallMessageHandler(previous);
        return answered;
    }

    // Qt's warnings during the last fight.
    static QStringList &warnings()
    {
        static QStringList list;
        return list;
    }

    // What the last fight showed.
    QList<FightView> beforePress;
    QList<FightView> rounds;

private Q_SLOTS:
    void fightsToTheEnd_data()
    {
        QTest::addColumn<int>("habilete");
        QTest::addColumn<int>("endurance");
        QTest::addColumn<QByteArray>("objects");
        QTest::addColumn<QString>("bonusLabel");
        QTest::addColumn<int>("monsterLeft");
        // A monster at HABILETE -20 loses every round and one at 30 wins every round, whatever the dice.
        const QString noBonus = QStringLiteral("Bonus : +0 de Force d'Attaque");
        QTest::newRow("weapon +2 and armour -3")
            << -20 << 2
            << QByteArray("<Objet><Text>Lance</Text><Type>1</Type><Bonus Habilete=\"2\"/></Objet>"
                          "<Objet><Text>Cotte</Text><Type>2</Type><Bonus Habilete=\"-3\"/></Objet>")
            << "Malus : -1 de Force d'Attaque" << 0;
        QTest::newRow("stronger monster") << 30 << 10 << QByteArray() << noBonus << 10;
    }

    void fightsToTheEnd()
    {
        QFETCH(int, habilete);
        QFETCH(int, endurance);
        QFETCH(QByteArray, objects);
        QFETCH(QString, bonusLabel);
        QFETCH(int, monsterLeft);
        gameBook *window = start(fightParagraph("000", "Orc", habilete, endurance, 0, objects));
        const int heroBase = window->adventure().hero()->habilete() + bonusLabel.section(' ', 2, 2).toInt();
        const bool heroWins = monsterLeft < endurance;
        QStringList presses;
        for (int round = heroWins ? 1 : (window->adventure().hero()->endurance() + 1) / 2; round > 0; --round)
            presses << monsterRoll << heroRoll;
        const QList<int> dice = AdventureDriver::predictDice(7, 4);
        QVERIFY(fight(window, QStringLiteral("Attaquer Orc"), presses));
        // Without flight, the flee button has no place in the tab order.
        QVERIFY(!warnings().join('\n').contains(QLatin1String("setTabOrder")));

        QCOMPARE(rounds.size(), presses.count(heroRoll));
        QCOMPARE(rounds.first().bonus, bonusLabel);
        QCOMPARE(window->adventure().opponent()->endurance(), monsterLeft);
        if (heroWins) {
            // The spin box shows a strength below 0 as 0.
            QCOMPARE(rounds.first().monsterStrength, qMax(0, habilete + dice[0] + dice[1]));
            QCOMPARE(rounds.first().heroStrength, heroBase + dice[2] + dice[3]);
            QCOMPARE(rounds.last().message,
                     QStringLiteral("Tué !\nVous avez touché le monstre. Il s'effondre sans vie à vos pieds."));
            QCOMPARE(rounds.last().dialog->findChild<QSpinBox *>(QStringLiteral("sb_EnduranceMonster"))->value(), 0);
            QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Vous avez été victorieux."));
            QVERIFY(AdventureDriver::press(window, QStringLiteral("Continuer")));
            QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Victoire"));
        } else {
            QCOMPARE(rounds.last().message,
                     QStringLiteral("Tué !\nLe monstre vous a touché. Vous vous effondrez sans vie à ses pieds."));
            QCOMPARE(rounds.first().message,
                     QStringLiteral("Touché !\nLe monstre vous a touché. Il vous inflige 2 points de dégats."));
            QCOMPARE(AdventureDriver::shownText(window),
                     QStringLiteral("Vous avez été vaincu et votre aventure s'arrête ici..."));
            QCOMPARE(AdventureDriver::captions(window), QStringList { QStringLiteral("Terminer") });
        }
    }

    void closingTheDialog_data()
    {
        QTest::addColumn<int>("endurance");
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("next");
        // Left with both fighters standing, the fight's paragraph shows again (an empty outcome here).
        QTest::newRow("before any press") << 6 << QStringList { QString() } << QString() << "Attaquer Orc";
        QTest::newRow("after equal strengths")
            << 6 << QStringList { monsterRoll, heroRoll, monsterRoll, QString() } << QString() << "Attaquer Orc";
        QTest::newRow("monster dead from the start") << 0 << QStringList { QString() } << "Vous avez été victorieux."
                                                     << "Continuer";
    }

    void closingTheDialog()
    {
        QFETCH(int, endurance);
        QFETCH(QStringList, presses);
        QFETCH(QString, outcome);
        QFETCH(QString, next);
        // The starting rolls of seed 1 give the hero's HABILETE; the fight's dice come from seed 7. A
        // monster as strong as the hero's margin over its first roll makes the first round equal.
        const QList<int> dice = AdventureDriver::predictDice(7, 6);
        const int monsterHabilete = AdventureDriver::predictDice(1, 1)[0] + 6 + dice[2] + dice[3] - dice[0] - dice[1];
        gameBook *window =
            start(fightParagraph("000", "Orc", monsterHabilete, endurance, 0, "<O><Gold Value=\"3\"/></O>"));
        const int heroEndurance = window->adventure().hero()->endurance();
        AdventureDriver::predictDice(7, 0);
        QVERIFY(fight(window, QStringLiteral("Attaquer Orc"), presses));

        QCOMPARE(window->adventure().hero()->endurance(), heroEndurance);
        QCOMPARE(window->adventure().opponent()->endurance(), endurance);
        const QString again =
            QStringLiteral("Orc attaque.\n--------------------\nNom : Orc\nHabileté : %1\nEndurance : %2");
        QCOMPARE(AdventureDriver::shownText(window),
                 outcome.isEmpty() ? again.arg(monsterHabilete).arg(endurance) : outcome);
        QCOMPARE(AdventureDriver::captions(window), QStringList { next });
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Gold"), 3);
        if (!presses.contains(heroRoll))
            return;
        QCOMPARE(rounds.value(0).message, QStringLiteral("Raté !\nVous vous bloquez mutuellement vos attaques."));
        QCOMPARE(rounds.value(0).heroStrength, rounds.value(0).monsterStrength);
        // The press after the missed round is the monster's roll of a new round.
        QCOMPARE(beforePress.last().monsterStrength, monsterHabilete + dice[4] + dice[5]);
        QCOMPARE(beforePress.last().buttons, QStringList { heroRoll });
    }

    void fleeingLeavesNoTrace_data()
    {
        QTest::addColumn<int>("secondRound");
        QTest::newRow("round 0") << 0;
        QTest::newRow("round 1") << 1;
    }

    void fleeingLeavesNoTrace()
    {
        QFETCH(int, secondRound);
        gameBook *window =
            start(fightParagraph("000", "Orc", 6, 6, 1) + fightParagraph("020", "Troll", 8, 6, secondRound));
        const int heroEndurance = AdventureDriver::sheetValue(window, "sb_Endurance");
        QVERIFY(fight(window, QStringLiteral("Attaquer Orc"), { monsterRoll, QStringLiteral("Fuir") }));
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Vous avez réussi à vous enfuir."));
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"), heroEndurance);

        // The flight is paid on "Continuer", which leads to the paragraph fled to and its fight.
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Continuer")));
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"), heroEndurance - 2);

        const QList<int> dice = AdventureDriver::predictDice(7, 2);
        QVERIFY(fight(window, QStringLiteral("Attaquer Troll"), { monsterRoll, QString() }));
        QCOMPARE(beforePress.first().buttons,
                 secondRound == 1 ? (QStringList { monsterRoll, QStringLiteral("Fuir") })
                                  : QStringList { monsterRoll });
        QCOMPARE(beforePress.first().monsterStrength, 0);
        QCOMPARE(beforePress.last().monsterStrength, 8 + dice[0] + dice[1]);
    }
};

VALDORIEL_TEST_MAIN(CombatTest)
#include "tst_combat.moc"
