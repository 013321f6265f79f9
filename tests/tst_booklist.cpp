// The book-selection window: which books it lists, under which titles, and starting one.

#include "adventuredriver.h"
#include "booktextreader.h"
#include "gamebook.h"
#include "mainwindow.h"
#include "modalanswers.h"
#include "testmain.h"

class BookListTest : public WorkspaceTest {
    Q_OBJECT

private:
    QStringList listedTitles(MainWindow &window)
    {
        QStringList titles;
        auto *list = window.findChild<QListWidget *>(QStringLiteral("listWidget"));
        for (int row = 0; row < list->count(); ++row)
            titles.append(list->item(row)->text());
        return titles;
    }

private Q_SLOTS:
    void init() { workspace.clearBooks(); }

    void showsTheSelectionWindow()
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Sélection du Livre-Jeu"));
        QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("pb_Launch"))->isEnabled());
        // The pictures come from the resources.
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("label"))->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!window.windowIcon().isNull());
    }

    void takesTitlesFromTheRawText_data()
    {
        QTest::addColumn<QByteArray>("content");
        // A null title: the book is not listed.
        QTest::addColumn<QString>("title");
        const int first = BookTextReader::firstReadBytes;
        const auto space = [](int bytes) { return QByteArray(bytes, ' '); };
        QTest::newRow("root attribute") << TestWorkspace::book("", "Le Val Maudit") << "Le Val Maudit";
        QTest::newRow("first occurrence, even in a comment")
            << QByteArray("<!-- Title=\"Brouillon\" -->\n<Livre Title=\"Vrai\"/>") << "Brouillon";
        QTest::newRow("no closing quote") << QByteArray("<Livre Title=\"Sans fin\n/>") << "Sans fin\n/>";
        QTest::newRow("entities not decoded") << QByteArray("<L Title=\"A &amp; B\"/>") << "A &amp; B";
        QTest::newRow("accents") << QByteArray("<L Title=\"Forêt d'Émeraude\"/>") << "Forêt d'Émeraude";
        QTest::newRow("cut at NUL") << QByteArray("<L Title=\"Avant\0Après\"/>", 24) << "Avant";
        QTest::newRow("NUL before the marker, beyond the first read")
            << space(first + 5) + '\0' + "<L Title=\"Caché\"/>" << QString();
        QTest::newRow("carriage returns dropped")
            << QByteArray("<L Title=\"\rDeux\r\r\nlignes\r\"/>") << "Deux\nlignes";
        QTest::newRow("carriage returns across reads") << QByteArray(first, '\r') + "\r\n<L Title=\"Après\r\"/>"
                                                       << "Après";
        // The marker starts three bytes after the spaces.
        QTest::newRow("marker's quote first in the second read") << space(first - 9) + "<L Title=\"Loin\"/>"
                                                                 << "Loin";
        QTest::newRow("carriage returns inside the marker, across reads") << space(first - 7) + "<L Ti\rt\rle=\"Sec\"/>"
                                                                          << "Sec";
        QTest::newRow("title across reads") << space(first - 12) + "<L Title=\"Un titre assez long\"/>"
                                            << "Un titre assez long";
        QTest::newRow("marker across later reads")
            << space(first + BookTextReader::laterReadBytes - 5) + "<L Title=\"Très loin\"/>"
            << "Très loin";
        QTest::newRow("title cut at its longest") << "<L Title=\"" + space(BookTextReader::maximumTitleBytes + 9)
                                                  << QString(BookTextReader::maximumTitleBytes, ' ');
    }

    void takesTitlesFromTheRawText()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, title);
        workspace.writeBook(QStringLiteral("livre.xml"), content);
        MainWindow window;
        QCOMPARE(listedTitles(window), title.isNull() ? QStringList() : QStringList { title });
    }

    void leavesOutUnusableFiles()
    {
        workspace.writeBook(QStringLiteral("vide.xml"), "");
        workspace.writeBook(QStringLiteral("saut.xml"), "\n");
        workspace.writeBook(QStringLiteral("saut-dos.xml"), "\r\r\n\r");
        workspace.writeBook(QStringLiteral("marque-saut.xml"), "\xEF\xBB\xBF\r\n");
        workspace.writeBook(QStringLiteral("nul.xml"), QByteArray("\0Title=\"Caché\"", 15));
        workspace.writeBook(QStringLiteral("sans-titre.xml"), "<Livre titre=\"x\"/>");
        workspace.writeBook(QStringLiteral(".cache.xml"), "<L Title=\"Caché\"/>");
        workspace.writeBook(QStringLiteral("notes.txt"), "<L Title=\"Texte\"/>");
        QDir(workspace.bookFolder()).mkdir(QStringLiteral("dossier.xml"));
        workspace.writeBook(QStringLiteral("bon.xml"), "<L Title=\"Le seul\"/>");
        MainWindow window;
        QCOMPARE(listedTitles(window), QStringList { QStringLiteral("Le seul") });
    }

    void ordersByNameAndStartsOnlyATitledBook()
    {
        workspace.writeBook(QStringLiteral("b.XML"), "<L Title=\"Deuxième\"/>");
        workspace.writeBook(QStringLiteral("A.xml"), "<L Title=\"\"/>");
        workspace.writeBook(QStringLiteral("c.Xml"), "<L Title=\"Troisième\"/>");
        MainWindow window;
        QCOMPARE(listedTitles(window), (QStringList { "", "Deuxième", "Troisième" }));
        auto *list = window.findChild<QListWidget *>(QStringLiteral("listWidget"));
        auto *start = window.findChild<QPushButton *>(QStringLiteral("pb_Launch"));
        list->setCurrentRow(1);
        QVERIFY(start->isEnabled());
        list->setCurrentRow(0);
        QVERIFY(!start->isEnabled());
        list->setCurrentRow(-1);
        QVERIFY(!start->isEnabled());
    }

    void startsAFreshAdventureEachTime()
    {
        workspace.writeBook(QStringLiteral("livre.xml"),
                            TestWorkspace::book("<Attr id=\"000\"><Text>Début</Text><Type>X</Type></Attr>"));
        MainWindow window;
        window.show();
        window.findChild<QListWidget *>(QStringLiteral("listWidget"))->setCurrentRow(0);

        QPointer<gameBook> first;
        for (int adventure = 0; adventure < 2; ++adventure) {
            ModalAnswers answers;
            QStringList titles { QString(), QString(), QString() };
            for (QString &title : titles)
                answers.acceptDice(&title);
            window.findChild<QPushButton *>(QStringLiteral("pb_Launch"))->click();
            QVERIFY(answers.allAnswered());
            QCOMPARE(
                titles,
                (QStringList { "HABILETE - Lancer de dés", "ENDURANCE - Lancer de dés", "CHANCE - Lancer de dés" }));
            gameBook *shown = AdventureDriver::shownWindow();
            QVERIFY(shown && shown != first);
            QCOMPARE(AdventureDriver::shownText(shown), QStringLiteral("Début"));
            QVERIFY(AdventureDriver::press(shown, QStringLiteral("Terminer")) && !shown->isVisible());
            if (adventure == 0)
                first = shown;
        }
        // The hidden first window is freed when the second adventure starts.
        AdventureDriver::settle();
        QVERIFY(first.isNull());
    }
};

VALDORIEL_TEST_MAIN(BookListTest)
#include "tst_booklist.moc"
