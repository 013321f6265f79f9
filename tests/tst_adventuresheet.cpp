// The adventure window's sheet and the score arithmetic behind it.

#include "adventuredriver.h"
#include "character.h"
#include "gamebook.h"
#include "stat.h"
#include "testmain.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <limits>

namespace {

constexpr int intMax = std::numeric_limits<int>::max();
constexpr int intMin = std::numeric_limits<int>::min();

const char *const scoreBoxes[] = { "sb_maxHabilete", "sb_maxEndurance", "sb_maxChance",
                                   "sb_Habilete",    "sb_Endurance",    "sb_Chance" };

} // namespace

class AdventureSheetTest : public QObject {
    Q_OBJECT

public:
    explicit AdventureSheetTest(TestWorkspace *workspace)
        : workspace(workspace)
    {
    }

private:
    TestWorkspace *workspace;

private Q_SLOTS:
    void cleanup() { QVERIFY(AdventureDriver::deleteAdventureWindows()); }

    void capsWithoutAFloor()
    {
        Stat habilete(10);
        addCapped(&habilete, -1);
        addCapped(&habilete, 3);
        QCOMPARE(habilete.current(), 10);
        QCOMPARE(habilete.initial(), 10);

        Stat endurance(3);
        addCapped(&endurance, -5);
        QCOMPARE(endurance.current(), -2);

        // Numbers from a book may be as large as an int holds: the sum saturates.
        Stat extreme(intMax);
        addCapped(&extreme, intMax);
        QCOMPARE(extreme.current(), intMax);
        addCapped(&extreme, intMin);
        addCapped(&extreme, intMin);
        addCapped(&extreme, intMin);
        QCOMPARE(extreme.current(), intMin);
        extreme.add(-1);
        QCOMPARE(extreme.current(), intMin);
    }

    void startsEmpty()
    {
        gameBook window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Feuille d'Aventure"));
        QCOMPARE(window.size(), QSize(858, 447));
        QCOMPARE(window.windowModality(), Qt::ApplicationModal);
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lbl_FeuilleAventure"))->text(),
                 QStringLiteral("Feuille d'Aventure"));
        for (const char *name : scoreBoxes) {
            auto *box = window.findChild<QSpinBox *>(QLatin1String(name));
            QCOMPARE(box->value(), 0);
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->buttonSymbols(), QAbstractSpinBox::NoButtons);
        }
        QCOMPARE(window.findChild<QSpinBox *>(QStringLiteral("sb_Gold"))->value(), 0);
        QCOMPARE(window.findChild<QSpinBox *>(QStringLiteral("sb_Food"))->value(), 0);
        QCOMPARE(window.findChild<QListWidget *>(QStringLiteral("listEquipments"))->count(), 0);
        QCOMPARE(window.findChild<QListWidget *>(QStringLiteral("listPotions"))->count(), 0);
        QVERIFY(window.visitedParagraphList().isEmpty());

        // "Monstres rencontrés" is there but does nothing.
        auto *monsters = window.findChild<QPushButton *>(QStringLiteral("pb_MonsterList"));
        QCOMPARE(monsters->text(), QStringLiteral("Monstres rencontrés"));
        monsters->click();
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(widget->isHidden());
    }

    void refreshesOnlyTheCurrentScores()
    {
        // Start with 5 gold and 3 provisions, then push every current score down a known step.
        const QString path = workspace->writeParagraphs(R"(
            <Attr id="000"><Type>O,B</Type>
              <Objects><O><Gold Value="5"/><Food Value="3"/></O></Objects>
              <Bonus Habilete="-1" Endurance="-2" Chance="-3"/></Attr>)");
        gameBook *window = AdventureDriver::start(path, 4);
        const Character *hero = window->heroCharacter();
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Habilete"), hero->habilete());
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_maxHabilete") - 1, hero->habilete());
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_maxEndurance") - 2, hero->endurance());
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_maxChance") - 3, hero->chance());

        for (const char *name : { "sb_Habilete", "sb_Endurance", "sb_Chance", "sb_maxHabilete" })
            window->findChild<QSpinBox *>(QLatin1String(name))->setValue(50);
        window->refreshScores();
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Habilete"), hero->habilete());
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"), hero->endurance());
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Chance"), hero->chance());
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_maxHabilete"), 50);
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Gold"), 5);
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Food"), 3);
        delete window;
    }

    void boundsGoldProvisionsAndScores()
    {
        const QString path = workspace->writeParagraphs(R"(
            <Attr id="000"><Type>O,B,C</Type>
              <Objects><O><Gold Value="98"/><Food Value="-1"/></O><O><Gold Value="5"/></O></Objects>
              <Bonus Habilete="2147483647" Endurance="-2147483648" Chance="-2147483648"/>
              <Choices><C Value="001">Plus loin</C></Choices></Attr>
            <Attr id="001"><Type>O,B</Type>
              <Objects><O><Gold Value="2147483647"/><Food Value="2147483647"/></O>
                       <O><Gold Value="2147483647"/><Food Value="-2147483648"/></O></Objects>
              <Bonus Endurance="-2147483648" Chance="2147483647"/></Attr>)");
        gameBook *window = AdventureDriver::start(path, 6);
        const int startingHabilete = AdventureDriver::sheetValue(window, "sb_maxHabilete");
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Gold"), 99);
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Food"), 0);
        QCOMPARE(window->heroCharacter()->habilete(), startingHabilete);
        QVERIFY(window->heroCharacter()->endurance() < 0);
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"), 0);

        QVERIFY(AdventureDriver::press(window, QStringLiteral("Plus loin")));
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Gold"), 99);
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Food"), 0);
        QCOMPARE(window->heroCharacter()->endurance(), intMin);
        // Starting CHANCE + intMin + intMax: no saturation was needed on the way.
        QCOMPARE(window->heroCharacter()->chance(), AdventureDriver::sheetValue(window, "sb_maxChance") - 1);
        delete window;
    }
};

VALDORIEL_TEST_MAIN(AdventureSheetTest)
#include "tst_adventuresheet.moc"
