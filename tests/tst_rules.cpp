// The rules of the game, played without windows on scripted dice and scripted answers. What
// follows a fight is played through the combat dialog in tst_combat.

#include "adventure.h"
#include "character.h"
#include "opponent.h"
#include "paragraphlayout.h"
#include "scripteddice.h"
#include "scriptedinput.h"
#include "stat.h"
#include "testworkspace.h"

#include <QtTest>

#include <limits>

namespace {

constexpr int intMax = std::numeric_limits<int>::max();
constexpr int intMin = std::numeric_limits<int>::min();

// The faces of the three starting rolls, two per roll: HABILETE 9, ENDURANCE 20, CHANCE 10.
const QList<int> startingFaces { 3, 5, 2, 6, 4, 1 };
constexpr int startingHabilete = 9;
constexpr int startingEndurance = 20;
constexpr int startingChance = 10;

using Pick = ReaderInput::ObjectPick;
using Round = Fight::Round;

} // namespace

Q_DECLARE_METATYPE(Pick)
Q_DECLARE_METATYPE(Round)
Q_DECLARE_METATYPE(Fight::Outcome)

namespace {

QMap<QString, Paragraph> parse(const QByteArray &paragraphs)
{
    return TestWorkspace::load(TestWorkspace::book(paragraphs));
}

// An adventure on these paragraphs whose hero is rolled from the starting faces, then the
// dice given, and whose first paragraph is entered.
struct Game {
    Game(const QByteArray &paragraphs, const QList<int> &dice = {}, const QList<Pick> &picks = {})
        : dice(startingFaces + dice)
        , adventure(&this->dice, &input)
    {
        input.picks = picks;
        adventure.setParagraphs(parse(paragraphs));
        adventure.rollStartingScores();
        shown = adventure.enterParagraph(QStringLiteral("000"));
    }

    // Presses the first action of that kind on show.
    PlayAreaContent press(PlayAction::Kind kind)
    {
        for (const PlayAction &action : adventure.screen().actions) {
            if (action.kind == kind)
                return shown = adventure.press(action);
        }
        return shown;
    }

    // HABILETE, ENDURANCE and CHANCE, less what they were rolled at.
    QList<int> changes() const
    {
        const Character *hero = adventure.hero();
        return { hero->habilete() - startingHabilete, hero->endurance() - startingEndurance,
                 hero->chance() - startingChance };
    }

    ScriptedDice dice;
    ScriptedInput input;
    Adventure adventure;
    PlayAreaContent shown;
};

QByteArray objects(const QByteArray &entries, const QByteArray &type = "O")
{
    return "<Attr id=\"000\"><Type>" + type + "</Type><Objects>" + entries +
        "</Objects><Monster><M Name=\"Orc\" Habilete=\"6\" Endurance=\"6\" Value=\"010\"/></Monster></Attr>";
}

QByteArray object(const QByteArray &name, int type = 0, int habileteBonus = 0, const QByteArray &flag = {})
{
    return "<O" + flag + "><Text>" + name + "</Text><Type>" + QByteArray::number(type) + "</Type><Bonus Habilete=\"" +
        QByteArray::number(habileteBonus) + "\"/></O>";
}

} // namespace

class RulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The cap and the missing floor are played in the effects and the buttons below.
    void saturatesScoresAtTheIntRange()
    {
        Stat stat(intMax);
        for (int change : { intMax, intMin, intMin, intMin })
            addCapped(&stat, change);
        QCOMPARE(stat.current(), intMin);
        QCOMPARE(stat.initial(), intMax);
    }

    void rollsTheStartingScores()
    {
        Game game("");
        QCOMPARE(game.changes(), (QList<int> { 0, 0, 0 }));
        QCOMPARE(game.adventure.endurance()->initial(), startingEndurance);
        // Each roll draws a pair; a one-die roll counts only the first.
        QCOMPARE(game.dice.drawn(), 6);
        QCOMPARE(game.input.rollTitles,
                 (QStringList { "HABILETE - Lancer de dés", "ENDURANCE - Lancer de dés", "CHANCE - Lancer de dés" }));
    }

    void showsTheTextOfEachVisit()
    {
        Game game("<Attr id=\"000\"><Text>Une salle. § Encore la salle.</Text><Type>C</Type><Choices>"
                  "<C Value=\"11\"/></Choices></Attr><Attr id=\"11\"><Text>Couloir.</Text></Attr>"
                  "<Attr id=\"1\"><Text>A§B</Text></Attr>");
        QCOMPARE(game.shown.text, QStringLiteral("Une salle.   Encore la salle."));
        game.adventure.enterParagraph(QStringLiteral("11"));
        QCOMPARE(game.adventure.enterParagraph(QStringLiteral("000")).text, QStringLiteral(" Encore la salle."));
        // "1" was never shown, though "11" was.
        QCOMPARE(game.adventure.enterParagraph(QStringLiteral("1")).text, QStringLiteral("A B"));
        QCOMPARE(game.adventure.visitedParagraphs(), QStringLiteral("000,11,000,1,"));
    }

    void appliesFirstVisitEffects_data()
    {
        QTest::addColumn<QByteArray>("paragraph");
        QTest::addColumn<QList<Pick>>("picks");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QList<int>>("numbers"); // gold, provisions, and changes of the three scores
        QTest::addColumn<QList<QStringList>>("asked");
        const QList<int> none { 0, 0, 0, 0, 0 };
        QTest::newRow("bonus capped, without a floor")
            << QByteArray(
                   "<Attr id=\"000\"><Type>B</Type><Bonus Habilete=\"3\" Endurance=\"-30\" Chance=\"-1\"/></Attr>")
            << QList<Pick>() << QStringList() << QStringList() << QList<int> { 0, 0, 0, -30, -1 }
            << QList<QStringList>();
        QTest::newRow("gold and provisions held within 0..99")
            << objects("<O><Gold Value=\"98\"/><Food Value=\"-1\"/></O><O><Gold Value=\"5\"/><Food "
                       "Value=\"2147483647\"/></O>"
                       "<O><Gold Value=\"-2147483648\"/></O>")
            << QList<Pick>() << QStringList() << QStringList() << QList<int> { 0, 99, 0, 0, 0 } << QList<QStringList>();
        QTest::newRow("one record per name, throwing away the topmost row")
            << objects(object("Dague", 1, 1) + object("Corde") + object("Dague", 1, 2) +
                       object("Dague", 0, 0, " throw=\"1\""))
            << QList<Pick>() << QStringList { "Corde", "Dague" } << QStringList { "Corde" } << none
            << QList<QStringList>();
        QTest::newRow("an exchange gives up the last selection, even unconfirmed")
            << objects(object("Corde") + object("Dague") + object("Clé", 3, 0, " exchange=\"1\""))
            << QList<Pick> { { 1, false } } << QStringList { "Corde", "Clé" } << QStringList { "Clé", "Corde" } << none
            << QList<QStringList> { { "objet", "Corde", "Dague" } };
        QTest::newRow("an exchange without a selection still carries the new object")
            << objects(object("Clé", 3, 0, " exchange=\"1\"")) << QList<Pick>() << QStringList { "Clé" }
            << QStringList { "Clé" } << none << QList<QStringList> { { "objet" } };
        QTest::newRow("a row without a record is offered without a name")
            << objects(object("Dague") + object("Dague") + object("Dague", 0, 0, " throw=\"1\"") +
                       object("Clé", 3, 0, " exchange=\"1\""))
            << QList<Pick> { { 0, true } } << QStringList { "Dague", "Clé" } << QStringList { "Clé" } << none
            << QList<QStringList> { { "objet", "" } };
    }

    void appliesFirstVisitEffects()
    {
        QFETCH(QByteArray, paragraph);
        QFETCH(QList<Pick>, picks);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, records);
        QFETCH(QList<int>, numbers);
        QFETCH(QList<QStringList>, asked);
        Game game(paragraph, {}, picks);
        // A later visit repeats none of it.
        game.adventure.enterParagraph(QStringLiteral("000"));
        QCOMPARE(game.adventure.inventory().rows(), rows);
        QCOMPARE(game.adventure.inventory().records().keys(), records);
        QCOMPARE(QList<int>({ game.adventure.gold(), game.adventure.provisions() }) + game.changes(), numbers);
        QCOMPARE(game.input.pickLists, asked);
        QCOMPARE(game.adventure.visitedParagraphs(), QStringLiteral("000,000,"));
    }

    void appliesTheRulesOfEachButton_data()
    {
        QTest::addColumn<QByteArray>("bonus");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("dice");
        QTest::addColumn<QList<int>>("scoreChanges");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("target");
        QTest::newRow("a meal at full ENDURANCE")
            << QByteArray() << "meal" << QList<int>() << QList<int> { 0, 0, 0 } << "Un pont." << QString();
        QTest::newRow("a meal restores 2") << QByteArray("Endurance=\"-5\"") << "meal" << QList<int>()
                                           << QList<int> { 0, -3, 0 } << "Un pont." << QString();
        QTest::newRow("a total equal to CHANCE is lucky")
            << QByteArray() << "luck" << QList<int> { 4, 6 } << QList<int> { 0, 0, -1 } << "Le pont tient."
            << "100";
        QTest::newRow("one more is unlucky")
            << QByteArray() << "luck" << QList<int> { 5, 6 } << QList<int> { 0, 0, -1 } << "Le pont cède."
            << "200";
        QTest::newRow("CHANCE below zero") << QByteArray("Chance=\"-20\"") << "luck" << QList<int> { 1, 1 }
                                           << QList<int> { 0, 0, -21 } << "Le pont cède."
                                           << "200";
        QTest::newRow("a flight costs 2, whatever is left")
            << QByteArray("Endurance=\"-19\"") << "flight" << QList<int>() << QList<int> { 0, -21, 0 } << "Loin."
            << "300";
    }

    void appliesTheRulesOfEachButton()
    {
        QFETCH(QByteArray, bonus);
        QFETCH(QString, button);
        QFETCH(QList<int>, dice);
        QFETCH(QList<int>, scoreChanges);
        QFETCH(QString, shown);
        QFETCH(QString, target);
        Game game(
            "<Attr id=\"000\"><Text>Un pont.</Text><Type>B,E,L,F</Type><Bonus " + bonus +
                "/><Luck><Lucky Value=\"100\">Le pont tient.</Lucky><Unlucky Value=\"200\">Le pont cède.</Unlucky>"
                "</Luck><Flee active=\"1\" Round=\"1\" Ref=\"300\"/></Attr><Attr id=\"300\"><Text>Loin.</Text></Attr>",
            dice);
        PlayAreaContent after;
        if (button == QLatin1String("meal")) {
            // Once each time the paragraph is shown: the paragraph stays, its button disabled,
            // and a second press changes nothing.
            after = game.press(PlayAction::Kind::Meal);
            QCOMPARE(after.showing, 1);
            QVERIFY(!after.actions.first().enabled);
            QCOMPARE(game.adventure.press(game.shown.actions.first()).actions, after.actions);
        } else if (button == QLatin1String("luck")) {
            after = game.press(PlayAction::Kind::Luck);
            QCOMPARE(game.input.rollTitles.last(), QStringLiteral("TENTEZ VOTRE CHANCE - Lancer de dés"));
        } else {
            after = game.press(PlayAction::Kind::Flee);
        }
        QCOMPARE(game.changes(), scoreChanges);
        QCOMPARE(after.text, shown);
        if (button == QLatin1String("luck")) {
            QCOMPARE(after.actions.size(), 1);
            QCOMPARE(after.actions.first().caption + ' ' + after.actions.first().target, "Continuer " + target);
        }
        QVERIFY(!game.dice.overdrawn());
    }

    void fightsRoundByRound_data()
    {
        QTest::addColumn<QList<int>>("fighters"); // hero HABILETE and ENDURANCE, monster HABILETE and ENDURANCE
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QList<int>>("dice");
        QTest::addColumn<QList<int>>("strengths"); // of the first round: monster, hero
        QTest::addColumn<QList<Round>>("rounds");
        QTest::addColumn<QList<int>>("endurances"); // hero, monster
        QTest::addColumn<Fight::Outcome>("outcome");
        QTest::newRow("a monster at 2 dies from one hit")
            << QList<int> { 10, 20, 8, 2 } << 0 << QList<int> { 1, 2, 3, 3 } << QList<int> { 11, 16 }
            << QList<Round> { Round::HeroKills } << QList<int> { 20, 0 } << Fight::Outcome::Victory;
        QTest::newRow("a monster at 1 falls to -1")
            << QList<int> { 10, 20, 8, 1 } << 0 << QList<int> { 1, 2, 3, 3 } << QList<int> { 11, 16 }
            << QList<Round> { Round::HeroKills } << QList<int> { 20, -1 } << Fight::Outcome::Victory;
        QTest::newRow("equal strengths hurt nobody, the monster hits next")
            << QList<int> { 10, 4, 10, 6 } << 0 << QList<int> { 3, 4, 3, 4, 6, 6, 1, 1 } << QList<int> { 17, 17 }
            << QList<Round> { Round::Blocked, Round::MonsterHits } << QList<int> { 2, 6 } << Fight::Outcome::Undecided;
        QTest::newRow("weapon +2 and armour -3 make a malus of 1")
            << QList<int> { 10, 20, 10, 6 } << -1 << QList<int> { 3, 3, 3, 4 } << QList<int> { 16, 16 }
            << QList<Round> { Round::Blocked } << QList<int> { 20, 6 } << Fight::Outcome::Undecided;
        QTest::newRow("the hero dies at 2")
            << QList<int> { 5, 2, 10, 6 } << 0 << QList<int> { 6, 6, 1, 1 } << QList<int> { 22, 7 }
            << QList<Round> { Round::MonsterKills } << QList<int> { 0, 6 } << Fight::Outcome::Defeat;
        QTest::newRow("a hero at 0 is beaten though the monster died")
            << QList<int> { 10, 0, 1, 2 } << 0 << QList<int> { 1, 1, 6, 6 } << QList<int> { 3, 22 }
            << QList<Round> { Round::HeroKills } << QList<int> { 0, 0 } << Fight::Outcome::Defeat;
        QTest::newRow("a strength of 0 counts as rolled")
            << QList<int> { 10, 20, -2, 2 } << 0 << QList<int> { 1, 1, 1, 1 } << QList<int> { 0, 12 }
            << QList<Round> { Round::HeroKills } << QList<int> { 20, 0 } << Fight::Outcome::Victory;
        QTest::newRow("strengths saturate at the int range")
            << QList<int> { 10, 20, intMax, 6 } << intMin << QList<int> { 6, 6, 6, 6 }
            << QList<int> { intMax, intMin + 22 } << QList<Round> { Round::MonsterHits } << QList<int> { 18, 6 }
            << Fight::Outcome::Undecided;
    }

    void fightsRoundByRound()
    {
        QFETCH(QList<int>, fighters);
        QFETCH(int, bonus);
        QFETCH(QList<int>, dice);
        QFETCH(QList<int>, strengths);
        QFETCH(QList<Round>, rounds);
        QFETCH(QList<int>, endurances);
        QFETCH(Fight::Outcome, outcome);
        Stat habilete(fighters[0]), endurance(fighters[1]), chance(7);
        Character hero(&habilete, &endurance, &chance);
        Opponent opponent(fighters[2], fighters[3]);
        ScriptedDice faces(dice);
        // The bonus is split over a weapon and an armour, which add up.
        Fight fight(&hero, &opponent, CombatItem("Lance", bonus == intMin ? bonus : bonus + 3, 0),
                    CombatItem("Cotte", bonus == intMin ? 0 : -3, 0), FleeRule { false, false, 2, QString() }, &faces);
        QCOMPARE(fight.bonus(), bonus);
        QList<Round> decided;
        QList<int> firstStrengths;
        while (decided.size() < rounds.size()) {
            const Fight::Press press = fight.attack();
            QCOMPARE(fight.heroToRoll(), !press.round.has_value());
            if (!press.round)
                continue;
            decided.append(*press.round);
            if (decided.size() == 1)
                firstStrengths = { press.monsterStrength, press.heroStrength };
        }
        QCOMPARE(firstStrengths, strengths);
        QCOMPARE(decided, rounds);
        QCOMPARE((QList<int> { hero.endurance(), opponent.endurance() }), endurances);
        QCOMPARE(fight.outcome(), outcome);
        QVERIFY(!faces.overdrawn());
        QVERIFY(!fight.offersFlight());
        fight.flee();
        QCOMPARE(fight.outcome(), Fight::Outcome::Fled);
    }

    void choosesTheWeaponAndTheArmour_data()
    {
        QTest::addColumn<QByteArray>("carried");
        QTest::addColumn<QList<Pick>>("picks");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QList<QStringList>>("asked");
        QTest::newRow("nothing carried: Epée and Armure") << QByteArray() << QList<Pick>() << 0 << QList<QStringList>();
        QTest::newRow("one weapon, no armour")
            << object("Lance", 1, 2) + object("Corde") << QList<Pick>() << 2 << QList<QStringList>();
        QTest::newRow("the second of two weapons, confirmed")
            << object("Dague", 1, 1) + object("Hache", 1, 3) + object("Cotte", 2, -1) << QList<Pick> { { 1, true } }
            << 2 << QList<QStringList> { { "arme", "Dague", "Hache" } };
        QTest::newRow("a selection left unconfirmed: Epée")
            << object("Dague", 1, 1) + object("Hache", 1, 3) << QList<Pick> { { 1, false } } << 0
            << QList<QStringList> { { "arme", "Dague", "Hache" } };
        QTest::newRow("a row without a record is no candidate") << object("Lance", 1, 2) + object("Lance", 1, 2) +
                object("Lance", 1, 2, " throw=\"1\"") +
                object("Cotte", 2, 1) << QList<Pick>() << 1 << QList<QStringList>();
    }

    void choosesTheWeaponAndTheArmour()
    {
        QFETCH(QByteArray, carried);
        QFETCH(QList<Pick>, picks);
        QFETCH(int, bonus);
        QFETCH(QList<QStringList>, asked);
        Game game(objects(carried, "O,A"), {}, picks);
        game.press(PlayAction::Kind::Attack);
        QCOMPARE(game.input.fightBonuses, QList<int> { bonus });
        QCOMPARE(game.input.pickLists, asked);
        QCOMPARE(game.adventure.opponent()->endurance(), 6);
    }

    void movesToAMissingParagraph()
    {
        // A book without "000" opens on an empty paragraph; a later move says what is missing.
        Game game("<Attr id=\"001\"/>");
        QVERIFY(game.shown.text.isEmpty() && game.shown.actions.isEmpty());
        const PlayAreaContent missing = game.adventure.enterParagraph(QStringLiteral("404"));
        QCOMPARE(missing.shows, PlayAreaContent::Shows::MissingParagraph);
        QCOMPARE(missing.text, QStringLiteral("Le paragraphe « 404 » n'existe pas dans ce livre."));
        QCOMPARE(missing.actions.size(), 1);
        QCOMPARE(missing.actions.first().caption, QStringLiteral("Terminer"));
        QCOMPARE(missing.actions.first().kind, PlayAction::Kind::End);
        QCOMPARE(game.adventure.visitedParagraphs(), QStringLiteral("000,404,"));
    }

    void keepsHugeParagraphsShort_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("actions");
        QTest::addColumn<int>("monsters");
        QTest::addColumn<QString>("note");
        QTest::newRow("100 choices, all shown")
            << QByteArray("C") << QByteArray("<C>c</C>") << 100 << 100 << 0 << QString();
        QTest::newRow("150 choices") << QByteArray("C") << QByteArray("<C>c</C>") << 150 << 100 << 0
                                     << "… et 50 autres choix.";
        QTest::newRow("150 monsters") << QByteArray("A") << QByteArray("<M/>") << 150 << 0 << 100
                                      << "… et 50 autres monstres.";
        // Repeated codes lay their buttons again, within the same bounds, and a type is read up to its 20th code.
        QTest::newRow("twice 60 choices")
            << QByteArray("C,C") << QByteArray("<C>c</C>") << 60 << 100 << 0 << "… et 20 autres choix.";
        QTest::newRow("twice 60 monsters")
            << QByteArray("A,A") << QByteArray("<M/>") << 60 << 0 << 100 << "… et 20 autres monstres.";
        QTest::newRow("25 meals") << QByteArray("E,").repeated(25) << QByteArray() << 0 << 20 << 0 << QString();
    }

    void keepsHugeParagraphsShort()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, entry);
        QFETCH(int, count);
        QFETCH(int, actions);
        QFETCH(int, monsters);
        QFETCH(QString, note);
        const QByteArray element = type.startsWith("C") ? "Choices" : "Monster";
        const PlayAreaContent content =
            ParagraphLayout::lay(parse("<Attr id=\"000\"><Type>" + type + "</Type><" + element + ">" +
                                       entry.repeated(count) + "</" + element + "></Attr>")
                                     .value(QStringLiteral("000")),
                                 false);
        QCOMPARE(content.actions.size(), actions);
        QCOMPARE(content.monsters.size(), monsters);
        QCOMPARE(content.notes, note.isEmpty() ? QStringList() : QStringList { note });
    }

    void cutsHugeTexts()
    {
        Paragraph paragraph;
        paragraph.text = QString(ParagraphLayout::maximumTextLength + 1, QLatin1Char('a'));
        paragraph.type = QStringLiteral("C");
        paragraph.choices.insert(QStringLiteral("C1"), Choice { QString(), QString(5000, QLatin1Char('b')) });
        const PlayAreaContent content = ParagraphLayout::lay(paragraph, false);
        QCOMPARE(content.text, QString(ParagraphLayout::maximumTextLength, QLatin1Char('a')) + QChar(0x2026));
        QCOMPARE(content.actions.first().caption.size(), ParagraphLayout::maximumCaptionLength + 1);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
