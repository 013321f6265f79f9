// The carried objects: records and rows of the sheet as paragraphs add, throw away and
// exchange them, the object-choice dialog, and the weapon taken into a fight.

#include "adventuredriver.h"
#include "combatitem.h"
#include "inventorychoice.h"
#include "modalanswers.h"
#include "testmain.h"

namespace {

// Answers the next object-choice dialog: keeps its texts in `shown` (title, kind, then the rows),
// clicks `row` unless it is -1 (again with Ctrl when `deselect`, which empties the selection),
// then presses "Valider" or closes the dialog as its close box does.
void answerChoice(ModalAnswers &answers, QStringList *shown, int row, bool validate, bool deselect = false)
{
    answers.then<InventoryChoice>([shown, row, validate, deselect](InventoryChoice *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("tableObject"));
        *shown = QStringList { dialog->findChild<QLabel *>(QStringLiteral("lbl_Title"))->text(),
                               dialog->findChild<QLabel *>(QStringLiteral("lbl_Title_2"))->text() };
        for (int index = 0; index < list->count(); ++index)
            shown->append(list->item(index)->text());
        if (row >= 0) {
            const QPoint centre = list->visualItemRect(list->item(row)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            if (deselect)
                QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, centre);
            QCOMPARE(list->selectedItems().isEmpty(), deselect);
        }
        if (validate)
            ModalAnswers::clickLater(dialog->findChild<QPushButton *>(QStringLiteral("pb_Validate")));
        else
            QMetaObject::invokeMethod(dialog, "close", Qt::QueuedConnection);
    });
}

QByteArray object(const QByteArray &name, int type = 0, int habileteBonus = 0, const QByteArray &flag = {})
{
    return "<Objet" + flag + "><Text>" + name + "</Text><Type>" + QByteArray::number(type) +
        "</Type><Bonus Habilete=\"" + QByteArray::number(habileteBonus) + "\"/></Objet>";
}

} // namespace

class InventoryTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void choiceReturnsTheChosenPosition()
    {
        CombatItem items[] = { { "Dague", 1, 0 }, { "Dague", 2, 0 }, { "Hache", 3, 0 } };
        InventoryChoice dialog;
        dialog.setItems(QStringLiteral("arme"), { &items[0], &items[1], &items[2] });
        ModalAnswers answers;
        QStringList shown;
        // The second of two rows with one name stands for the first; an emptied selection keeps the choice.
        answerChoice(answers, &shown, 1, true);
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(shown, (QStringList { "Sélection de", "l'arme", "Dague", "Dague", "Hache" }));
        QCOMPARE(dialog.chosenItem(), &items[0]);
        answerChoice(answers, &shown, 2, true, true);
        QCOMPARE(dialog.exec(), 3);
        QVERIFY(answers.allAnswered());
    }

    void choosesObjectsInDialogs_data()
    {
        QTest::addColumn<bool>("validate");
        QTest::addColumn<QString>("bonus");
        QTest::newRow("closed after a selection, the default Epée") << false << "Bonus : +0 de Force d'Attaque";
        QTest::newRow("weapon validated") << true << "Bonus : +3 de Force d'Attaque";
    }

    void choosesObjectsInDialogs()
    {
        QFETCH(bool, validate);
        QFETCH(QString, bonus);
        // The objects come with the second paragraph, the fight after them.
        gameBook *window = AdventureDriver::start(workspace.writeParagraphs(
            R"(<Attr id="000"><Type>C</Type><Choices><C Value="001">Suite</C></Choices></Attr>
            <Attr id="001"><Type>O,A</Type><Monster><M Name="Orc" Habilete="6" Endurance="6"/></Monster><Objects>)" +
            object("Clé", 3, 0, " exchange=\"1\"") + object("Dague", 1, 1) + object("Corde") + object("Hache", 1, 3) +
            "</Objects></Attr>"));
        ModalAnswers answers;
        QStringList exchange;
        QStringList weapons;
        QString shownBonus;
        answerChoice(answers, &exchange, -1, false);
        answerChoice(answers, &weapons, 1, validate);
        answers.thenFor("Attack", [&shownBonus](QWidget *dialog) {
            shownBonus = dialog->findChild<QLabel *>(QStringLiteral("lbl_Bonus"))->text();
            QMetaObject::invokeMethod(dialog, "close", Qt::QueuedConnection);
        });
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Suite")));
        // An exchange with nothing carried offers no row and still adds its object.
        QCOMPARE(exchange, (QStringList { "Sélection de", "l'objet" }));
        QCOMPARE(AdventureDriver::equipmentRows(window), (QStringList { "Clé", "Dague", "Corde", "Hache" }));
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Attaquer Orc")));
        QVERIFY(answers.allAnswered());
        QCOMPARE(weapons, (QStringList { "Sélection de", "l'arme", "Dague", "Hache" }));
        QCOMPARE(shownBonus, bonus);
    }
};

VALDORIEL_TEST_MAIN(InventoryTest)
#include "tst_inventory.moc"
