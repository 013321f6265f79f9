// The adventure window: its sheet, empty until the game fills it, and the text and buttons
// each paragraph lays out in the play area.

#include "adventure.h"
#include "adventuredriver.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "testmain.h"

namespace {

// Row, column and column span of a widget in the play area.
QList<int> cell(gameBook *window, QWidget *widget)
{
    QGridLayout *grid = AdventureDriver::playGrid(window);
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
    return { row, column, columnSpan };
}

QByteArray choices(int count)
{
    QByteArray entries;
    for (int number = 1; number <= count; ++number)
        entries += "<C Value=\"c" + QByteArray::number(number) + "\">Choix " + QByteArray::number(number) + "</C>";
    return "<Choices>" + entries + "</Choices>";
}

} // namespace

class ParagraphsTest : public WorkspaceTest {
    Q_OBJECT

private:
    gameBook *open(const QByteArray &paragraphs)
    {
        return AdventureDriver::start(workspace.writeParagraphs(paragraphs));
    }

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

    void laysOutButtons_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<QList<int>>>("cells");
        QTest::addColumn<int>("textSpan");
        const QByteArray luck = "<Luck><Lucky Value=\"a\">Oui</Lucky><Unlucky Value=\"b\">Non</Unlucky></Luck>";
        QTest::newRow("luck beside two choices")
            << "<Type>L,C</Type>" + luck + choices(2) << QStringList { "Tentez votre chance !", "Choix 1", "Choix 2" }
            << QList<QList<int>> { { 1, 0, 1 }, { 1, 0, 1 }, { 1, 1, 1 } } << 2;
        QTest::newRow("five choices")
            << "<Type>C</Type>" + choices(5) << QStringList { "Choix 1", "Choix 2", "Choix 3", "Choix 4", "Choix 5" }
            << QList<QList<int>> { { 1, 0, 1 }, { 1, 1, 1 }, { 1, 2, 1 }, { 2, 0, 1 }, { 3, 0, 1 } } << 3;
        QTest::newRow("meal, flight, then choices below")
            << QByteArray("<Type>E,F,C</Type><Flee active=\"1\" Round=\"1\" Ref=\"f\"/>") + choices(1)
            << QStringList { "Prendre un repas ?", "Fuir", "Choix 1" }
            << QList<QList<int>> { { 1, 0, 1 }, { 2, 0, 1 }, { 3, 0, 1 } } << 1;
        QTest::newRow("flight not offered at once")
            << QByteArray("<Type>F,X</Type><Flee active=\"1\" Round=\"2\" Ref=\"f\"/>") << QStringList { "Terminer" }
            << QList<QList<int>> { { 1, 0, 1 } } << 1;
        QTest::newRow("inactive flight") << QByteArray("<Type>F</Type><Flee active=\"0\" Round=\"1\"/>")
                                         << QStringList {} << QList<QList<int>> {} << 1;
        QTest::newRow("unknown and spaced codes ignored")
            << "<Type>C, E,e,,Z</Type>" + choices(1) << QStringList { "Choix 1" } << QList<QList<int>> { { 1, 0, 1 } }
            << 1;
    }

    void laysOutButtons()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QStringList, captions);
        QFETCH(QList<QList<int>>, cells);
        QFETCH(int, textSpan);
        gameBook *window = open("<Attr id=\"000\"><Text>Texte</Text>" + attr + "</Attr>");
        // Each button carries its kind and, for a way, the paragraph it leads to.
        const QMap<QString, QString> carried { { "Fuir", "Flee f" }, { "Choix 1", "Choice c1" }, { "Terminer", " " } };
        QStringList shown;
        QList<QList<int>> placed;
        for (GameButton *button : AdventureDriver::buttons(window)) {
            shown << button->text();
            placed << cell(window, button);
            if (carried.contains(button->text()))
                QCOMPARE(button->buttonType() + ' ' + button->objectName(), carried.value(button->text()));
        }
        QCOMPARE(shown, captions);
        QCOMPARE(placed, cells);
        QCOMPARE(cell(window, AdventureDriver::textView(window)), (QList<int> { 0, 0, textSpan }));
    }
};

VALDORIEL_TEST_MAIN(ParagraphsTest)
#include "tst_paragraphs.moc"
