// The adventure window's sheet: empty at first, then a copy of the game's scores.

#include "adventure.h"
#include "adventuredriver.h"
#include "character.h"
#include "gamebook.h"
#include "testmain.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace {

const char *const scoreBoxes[] = { "sb_maxHabilete", "sb_maxEndurance", "sb_maxChance",
                                   "sb_Habilete",    "sb_Endurance",    "sb_Chance" };

} // namespace

class AdventureSheetTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
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
        QVERIFY(window.adventure().visitedParagraphs().isEmpty());

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
        const QString path = workspace.writeParagraphs(R"(
            <Attr id="000"><Type>O,B</Type>
              <Objects><O><Gold Value="5"/><Food Value="3"/></O></Objects>
              <Bonus Habilete="-1" Endurance="-2" Chance="-3"/></Attr>)");
        gameBook *window = AdventureDriver::start(path, 4);
        const Character *hero = window->adventure().hero();
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
};

VALDORIEL_TEST_MAIN(AdventureSheetTest)
#include "tst_adventuresheet.moc"
