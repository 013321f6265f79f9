// The library pane beside the book list: what the reader explored of the selected book
// over all their adventures, counted against the book as it is now.

#include "adventuredriver.h"
#include "bookparser.h"
#include "gamebook.h"
#include "mainwindow.h"
#include "modalanswers.h"
#include "testmain.h"

namespace {

const QByteArray paragraphs = "<Attr id=\"000\"><Text>Deux portes.</Text><Type>C</Type><Choices>"
                              "<C Value=\"001\">La porte rouge</C><C Value=\"002\">La porte bleue</C></Choices></Attr>"
                              "<Attr id=\"001\"><Text>Le trésor.</Text><Type>V</Type></Attr>"
                              "<Attr id=\"002\"><Text>Une trappe.</Text><Type>X</Type></Attr>"
                              "<Attr id=\"003\"><Text>Une autre victoire.</Text><Type>V</Type></Attr>";

// What the pane shows, line by line, once the book is read.
QStringList pane(MainWindow &window)
{
    QStringList lines;
    for (QLabel *label : window.findChild<QWidget *>(QStringLiteral("libraryPane"))->findChildren<QLabel *>()) {
        if (label->isVisibleTo(&window))
            lines.append(label->text());
    }
    return lines;
}

} // namespace

class LibraryTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void countsWhatWasExploredAgainstTheBookNow()
    {
        const QString book =
            workspace.writeBook(QStringLiteral("livre.xml"), TestWorkspace::book(paragraphs, "Portes"));
        for (const char *door : { "La porte rouge", "La porte bleue" }) {
            gameBook *adventure = AdventureDriver::start(book);
            QVERIFY(AdventureDriver::press(adventure, QLatin1String(door)));
            QVERIFY(AdventureDriver::press(adventure, QStringLiteral("Terminer")));
        }
        MainWindow window;
        auto *list = window.findChild<QListWidget *>(QStringLiteral("listWidget"));
        auto *resume = window.findChild<QPushButton *>(QStringLiteral("pb_Resume"));
        list->setCurrentRow(0);
        QTRY_COMPARE(pane(window).mid(0, 5),
                     (QStringList { "Portes", "4 paragraphes", "Paragraphes lus : 3 / 4 (75 %)",
                                    "Fins trouvées : 2 / 3", "Victoires : 1" }));
        QCOMPARE(pane(window).at(5), QStringLiteral("Aventures commencées : 2"));
        QVERIFY(pane(window).at(6).startsWith(QStringLiteral("Dernière aventure : ")));
        QCOMPARE(pane(window).at(7), QStringLiteral("Aucune aventure à reprendre."));
        QVERIFY(resume->isHidden());

        // The author drops the trapdoor's ending and the red door; a save of the book is left.
        workspace.writeBook(
            QStringLiteral("livre.xml"),
            TestWorkspace::book(QByteArray(paragraphs)
                                    .replace("<Type>X</Type>", "<Type>C</Type>")
                                    .replace("<Attr id=\"001\"><Text>Le trésor.</Text><Type>V</Type></Attr>", ""),
                                "Portes"));
        {
            ModalAnswers dice;
            for (int roll = 0; roll < 3; ++roll)
                dice.acceptDice();
            window.findChild<QPushButton *>(QStringLiteral("pb_Launch"))->click();
        }
        AdventureDriver::shownWindow()->saveAdventure();
        AdventureDriver::shownWindow()->close();
        QTRY_COMPARE(pane(window).mid(1, 4),
                     (QStringList { "3 paragraphes", "Paragraphes lus : 2 / 3 (67 %)", "Fins trouvées : 0 / 1",
                                    "Victoires : 0" }));
        QCOMPARE(pane(window).mid(5, 1), QStringList { "Aventures commencées : 3" });
        QCOMPARE(pane(window).last(), QStringLiteral("Une aventure peut être reprise."));
        QVERIFY(!resume->isHidden());
        ModalAnswers answers;
        resume->click();
        QCOMPARE(AdventureDriver::shownText(AdventureDriver::shownWindow()), QStringLiteral("Deux portes."));
        QVERIFY(answers.allAnswered());
    }

    // A book too large to load is listed by the title of its head, said not to open, and
    // starting it shows the box of any book that cannot be opened.
    void listsABookTooLargeToLoad()
    {
        workspace.clearBooks();
        QFile huge(workspace.writeBook(QStringLiteral("enorme.xml"), "<Livre Title=\"Trop grand\">"));
        QVERIFY(huge.resize(BookParser::maximumFileSize + 1));
        MainWindow window;
        auto *list = window.findChild<QListWidget *>(QStringLiteral("listWidget"));
        QCOMPARE(list->count(), 1);
        list->setCurrentRow(0);
        QTRY_COMPARE(pane(window).mid(0, 2), (QStringList { "Trop grand", "Ce livre ne peut pas être ouvert." }));
        ModalAnswers answers;
        for (int roll = 0; roll < 3; ++roll)
            answers.acceptDice();
        QString title;
        answers.acceptMessageBox(&title);
        window.findChild<QPushButton *>(QStringLiteral("pb_Launch"))->click();
        QCOMPARE(title, QStringLiteral("Erreur ouverture fichier-jeu"));
        QVERIFY(answers.allAnswered());
    }
};

VALDORIEL_TEST_MAIN(LibraryTest)
#include "tst_library.moc"
