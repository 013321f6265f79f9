// The adventure window's sheet: empty at first, then a copy of the game's scores.

#include "adventure.h"
#include "adventuredriver.h"
#include "character.h"
#include "gamebook.h"
#include "testmain.h"

class AdventureSheetTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void startsEmpty()
    {
        gameBook window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Feuille d'Aventure"));
        QCOMPARE(window.windowModality(), Qt::ApplicationModal); // the selection window waits
        const QList<QSpinBox *> boxes = window.findChildren<QSpinBox *>();
        QCOMPARE(boxes.size(), 8);
        for (QSpinBox *box : boxes)
            QVERIFY(box->value() == 0 && box->isReadOnly());
        for (QListWidget *list : window.findChildren<QListWidget *>())
            QCOMPARE(list->count(), 0);
        QVERIFY(window.adventure().visitedParagraphs().isEmpty());
        // "Monstres rencontrés" is there but does nothing.
        window.findChild<QPushButton *>(QStringLiteral("pb_MonsterList"))->click();
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(widget->isHidden());
    }

    void refreshesOnlyTheCurrentScores()
    {
        // Start with 5 gold and 3 provisions, then push every current score down a known step.
        gameBook *window = AdventureDriver::start(workspace.writeParagraphs(R"(
            <Attr id="000"><Type>O,B</Type>
              <Objects><O><Gold Value="5"/><Food Value="3"/></O></Objects>
              <Bonus Habilete="-1" Endurance="-2" Chance="-3"/></Attr>)"),
                                                  4);
        const auto sheet = [window] {
            QList<int> values;
            for (const char *name : { "sb_maxHabilete", "sb_Habilete", "sb_maxEndurance", "sb_Endurance",
                                      "sb_maxChance", "sb_Chance", "sb_Gold", "sb_Food" })
                values << AdventureDriver::sheetValue(window, name);
            return values;
        };
        const Character *hero = window->adventure().hero();
        QCOMPARE(sheet(),
                 (QList<int> { hero->habilete() + 1, hero->habilete(), hero->endurance() + 2, hero->endurance(),
                               hero->chance() + 3, hero->chance(), 5, 3 }));
        for (const char *name : { "sb_Habilete", "sb_Endurance", "sb_Chance", "sb_maxHabilete" })
            window->findChild<QSpinBox *>(QLatin1String(name))->setValue(50);
        window->refreshScores();
        QCOMPARE(sheet(),
                 (QList<int> { 50, hero->habilete(), hero->endurance() + 2, hero->endurance(), hero->chance() + 3,
                               hero->chance(), 5, 3 }));
        delete window;
    }
};

VALDORIEL_TEST_MAIN(AdventureSheetTest)
#include "tst_adventuresheet.moc"
