// The carried objects: records and rows of the sheet as paragraphs add, throw away and
// exchange them, the object-choice dialog, and the weapon taken into a fight.

#include "adventuredriver.h"
#include "attack.h"
#include "combatitem.h"
#include "gamebook.h"
#include "inventorychoice.h"
#include "modalanswers.h"
#include "testmain.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

// What the object-choice dialog shows.
struct ChoiceView {
    QString title;
    QString kind;
    QStringList rows;
    bool canValidate = true;
};

ChoiceView look(QWidget *dialog)
{
    ChoiceView view;
    view.title = dialog->findChild<QLabel *>(QStringLiteral("lbl_Title"))->text();
    view.kind = dialog->findChild<QLabel *>(QStringLiteral("lbl_Title_2"))->text();
    auto *list = dialog->findChild<QListWidget *>(QStringLiteral("tableObject"));
    for (int row = 0; row < list->count(); ++row)
        view.rows.append(list->item(row)->text());
    view.canValidate = dialog->findChild<QPushButton *>(QStringLiteral("pb_Validate"))->isEnabled();
    return view;
}

void clickRow(QWidget *dialog, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    auto *list = dialog->findChild<QListWidget *>(QStringLiteral("tableObject"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
}

QPushButton *validateButton(QWidget *dialog)
{
    return dialog->findChild<QPushButton *>(QStringLiteral("pb_Validate"));
}

void closeLater(QWidget *dialog)
{
    QMetaObject::invokeMethod(dialog, "close", Qt::QueuedConnection);
}

QByteArray object(const QByteArray &name, int type = 0, int habileteBonus = 0, const QByteArray &flag = {})
{
    return "<Objet" + flag + "><Text>" + name + "</Text><Type>" + QByteArray::number(type) +
        "</Type><Bonus Habilete=\"" + QByteArray::number(habileteBonus) + "\"/></Objet>";
}

// A paragraph that handles `objects` on its first visit; "Suite" leads to `next`, and
// an "Orc" is there to fight when `next` is empty.
QByteArray paragraph(const QByteArray &id, const QByteArray &objects, const QByteArray &next = {})
{
    const QByteArray action = next.isEmpty()
        ? QByteArray(
              "<Type>O,A</Type><Monster><M Name=\"Orc\" Habilete=\"6\" Endurance=\"6\" Value=\"010\"/></Monster>")
        : "<Type>O,C</Type><Choices><C Value=\"" + next + "\">Suite</C></Choices>";
    return "<Attr id=\"" + id + "\"><Text>Paragraphe " + id + "</Text>" + action + "<Objects>" + objects +
        "</Objects></Attr>";
}

} // namespace

class InventoryTest : public QObject {
    Q_OBJECT

public:
    explicit InventoryTest(TestWorkspace *workspace)
        : workspace(workspace)
    {
    }

private:
    gameBook *start(const QByteArray &paragraphs)
    {
        return AdventureDriver::start(
            workspace->writeBook(QStringLiteral("objets.xml"), TestWorkspace::book(paragraphs)));
    }

    TestWorkspace *workspace;

private Q_SLOTS:
    void init() { workspace->clearBooks(); }

    void cleanup() { QVERIFY(AdventureDriver::deleteAdventureWindows()); }

    void keepsOneRecordPerName()
    {
        gameBook *window =
            start(paragraph("000", object("Dague", 1, 1) + object("Corde") + object("Dague", 1, 2), "001") +
                  paragraph("001",
                            object("Dague", 0, 0, " throw=\"1\"") + object("Masse", 1, 4) +
                                object("Bouclier", 2, -1, " exchange=\"1\"")));
        QCOMPARE(AdventureDriver::equipmentRows(window), (QStringList { "Dague", "Corde", "Dague" }));
        QCOMPARE(window->carriedObjects().keys(), (QStringList { "Corde", "Dague" }));
        QCOMPARE(window->carriedObjects().value(QStringLiteral("Dague")).bonusHabilete, 2);

        // Throwing "Dague" away takes its record and the topmost of its rows; the row left
        // behind stands for an empty object, offered with an empty name in the exchange.
        ModalAnswers answers;
        ChoiceView exchange;
        QString bonus;
        answers.then<InventoryChoice>([&exchange](InventoryChoice *dialog) {
            exchange = look(dialog);
            closeLater(dialog);
        });
        answers.then<Attack>([&bonus](Attack *dialog) {
            bonus = dialog->findChild<QLabel *>(QStringLiteral("lbl_Bonus"))->text();
            closeLater(dialog);
        });
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Suite")));
        QCOMPARE(exchange.rows, (QStringList { "Corde", "", "Masse" }));
        QCOMPARE(AdventureDriver::equipmentRows(window), (QStringList { "Corde", "Dague", "Masse", "Bouclier" }));
        QCOMPARE(window->carriedObjects().keys(), (QStringList { "Bouclier", "Corde", "Masse" }));

        // The recordless "Dague" is no candidate, so "Masse" (+4) and "Bouclier" (-1) are
        // each the only one of their kind and are taken without a dialog.
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Attaquer Orc")));
        QVERIFY(answers.allAnswered() && !answers.timedOut());
        QCOMPARE(bonus, QStringLiteral("Bonus : +3 de Force d'Attaque"));
    }

    void exchangeGivesUpTheLastSelection_data()
    {
        QTest::addColumn<QByteArray>("carried");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("rowsAfter");
        QTest::newRow("selected, then closed with the close box")
            << object("Corde") + object("Lampe") << 1 << QStringList { "Corde", "Lampe" }
            << QStringList { "Corde", "Clé" };
        QTest::newRow("nothing carried") << QByteArray() << -1 << QStringList() << QStringList { "Clé" };
        QTest::newRow("same name as the one given up")
            << object("Clé") + object("Corde") << 0 << QStringList { "Clé", "Corde" } << QStringList { "Corde", "Clé" };
    }

    void exchangeGivesUpTheLastSelection()
    {
        QFETCH(QByteArray, carried);
        QFETCH(int, selectedRow);
        QFETCH(QStringList, offered);
        QFETCH(QStringList, rowsAfter);
        gameBook *window =
            start(paragraph("000", carried, "001") + paragraph("001", object("Clé", 3, 0, " exchange=\"1\""), "000"));
        ModalAnswers answers;
        ChoiceView shown;
        answers.then<InventoryChoice>([&shown, selectedRow](InventoryChoice *dialog) {
            shown = look(dialog);
            if (selectedRow >= 0)
                clickRow(dialog, selectedRow);
            closeLater(dialog);
        });
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Suite")));
        QVERIFY(answers.allAnswered() && !answers.timedOut());
        QCOMPARE(shown.kind, QStringLiteral("l'objet"));
        QCOMPARE(shown.rows, offered);
        QCOMPARE(AdventureDriver::equipmentRows(window), rowsAfter);
        QStringList records = rowsAfter;
        records.sort();
        QCOMPARE(window->carriedObjects().keys(), records);
        QCOMPARE(window->carriedObjects().value(QStringLiteral("Clé")).type, 3);
    }

    void choiceReturnsTheChosenPosition_data()
    {
        QTest::addColumn<int>("clickedRow");
        QTest::addColumn<bool>("deselect");
        QTest::addColumn<int>("result");
        QTest::newRow("second of two rows with one name") << 1 << false << 1;
        QTest::newRow("selection emptied keeps the choice") << 2 << true << 3;
    }

    void choiceReturnsTheChosenPosition()
    {
        QFETCH(int, clickedRow);
        QFETCH(bool, deselect);
        QFETCH(int, result);
        CombatItem first(QStringLiteral("Dague"), 1, 0);
        CombatItem second(QStringLiteral("Dague"), 2, 0);
        CombatItem axe(QStringLiteral("Hache"), 3, 0);
        const QList<CombatItem *> items { &first, &second, &axe };
        InventoryChoice dialog;
        dialog.setItems(QStringLiteral("arme"), items);
        ModalAnswers answers;
        ChoiceView before;
        ChoiceView after;
        int selectedRows = -1;
        answers.then<InventoryChoice>([&](InventoryChoice *shown) {
            before = look(shown);
            clickRow(shown, clickedRow);
            if (deselect)
                clickRow(shown, clickedRow, Qt::ControlModifier);
            selectedRows = shown->findChild<QListWidget *>(QStringLiteral("tableObject"))->selectedItems().size();
            after = look(shown);
            ModalAnswers::clickLater(validateButton(shown));
        });
        QCOMPARE(dialog.exec(), result);
        QVERIFY(answers.allAnswered() && !answers.timedOut());
        QVERIFY(!before.canValidate);
        QVERIFY(after.canValidate);
        QCOMPARE(selectedRows, deselect ? 0 : 1);
        QCOMPARE(dialog.chosenItem(), items.at(result - 1));
    }

    void choosesTheWeaponInADialog_data()
    {
        QTest::addColumn<bool>("validate");
        QTest::addColumn<QString>("bonus");
        QTest::newRow("closed after a selection") << false << "Bonus : +0 de Force d'Attaque";
        QTest::newRow("validated") << true << "Bonus : +3 de Force d'Attaque";
    }

    void choosesTheWeaponInADialog()
    {
        QFETCH(bool, validate);
        QFETCH(QString, bonus);
        gameBook *window = start(paragraph("000", object("Dague", 1, 1) + object("Corde") + object("Hache", 1, 3)));
        ModalAnswers answers;
        ChoiceView shown;
        QString shownBonus;
        answers.then<InventoryChoice>([&shown, validate](InventoryChoice *dialog) {
            shown = look(dialog);
            clickRow(dialog, 1);
            if (validate)
                ModalAnswers::clickLater(validateButton(dialog));
            else
                closeLater(dialog);
        });
        answers.then<Attack>([&shownBonus](Attack *dialog) {
            shownBonus = dialog->findChild<QLabel *>(QStringLiteral("lbl_Bonus"))->text();
            closeLater(dialog);
        });
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Attaquer Orc")));
        QVERIFY(answers.allAnswered() && !answers.timedOut());
        QCOMPARE(shown.title, QStringLiteral("Sélection de"));
        QCOMPARE(shown.kind, QStringLiteral("l'arme"));
        QCOMPARE(shown.rows, (QStringList { "Dague", "Hache" }));
        QVERIFY(!shown.canValidate);
        // Without "Valider" the default "Epée" is taken, whose bonus is 0.
        QCOMPARE(shownBonus, bonus);
    }
};

VALDORIEL_TEST_MAIN(InventoryTest)
#include "tst_inventory.moc"
