// Books from anywhere: the working, reader's and system's folders in turn, the command
// line, a drop on the selection window, and paths that are no book at all.

#include "adventure.h"
#include "adventuredriver.h"
#include "commandline.h"
#include "gamebook.h"
#include "mainwindow.h"
#include "modalanswers.h"
#include "namedpipe.h"
#include "stat.h"
#include "testmain.h"

#include <cstdio>

namespace {

const QByteArray twoParagraphs = "<Attr id=\"000\"><Text>Le début.</Text><Type>C</Type><Choices>"
                                 "<C Value=\"042\">Plus loin</C></Choices></Attr>"
                                 "<Attr id=\"042\"><Text>Plus loin.</Text><Type>X</Type></Attr>";

} // namespace

class OpeningTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        workspace.clearBooks();
        QDir(QStringLiteral("data/valdoriel")).removeRecursively();
        QDir(QStringLiteral("system")).removeRecursively();
    }

    void listsEachBookOnceInTheFoldersOrder_data()
    {
        // "PATH=TITLE", or "PATH" for a file with no title, in the working folder's Add-on or in
        // those of the workspace's data folders, the reader's (data/) and the system's (system/).
        QTest::addColumn<QStringList>("books");
        QTest::addColumn<QStringList>("titles");
        const QString own = QStringLiteral("data/valdoriel/Add-on/");
        const QString system = QStringLiteral("system/valdoriel/Add-on/");
        QTest::newRow("each folder in turn")
            << QStringList { system + "a.xml=Installé", own + "m.xml=Le mien", "Add-on/z.xml=Fourni" }
            << QStringList { "Fourni", "Le mien", "Installé" };
        QTest::newRow("the reader's copy before the system's")
            << QStringList { system + "tour.xml=Original", own + "tour.xml=Ma copie" } << QStringList { "Ma copie" };
        QTest::newRow("the working folder's before the reader's")
            << QStringList { own + "tour.xml=Copie", "Add-on/tour.xml=Brouillon" } << QStringList { "Brouillon" };
        QTest::newRow("a file left out hides nothing")
            << QStringList { own + "tour.xml", system + "tour.xml=Original" } << QStringList { "Original" };
    }

    void listsEachBookOnceInTheFoldersOrder()
    {
        QFETCH(QStringList, books);
        QFETCH(QStringList, titles);
        for (const QString &book : books) {
            QFile file(book.section(QLatin1Char('='), 0, 0));
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
            file.write(book.contains(QLatin1Char('=')) ? "<L Title=\"" + book.section('=', 1).toUtf8() + "\"/>"
                                                       : "<L/>");
        }
        MainWindow window;
        auto *list = window.findChild<QListWidget *>(QStringLiteral("listWidget"));
        QStringList listed;
        for (int row = 0; row < list->count(); ++row)
            listed.append(list->item(row)->text());
        QCOMPARE(listed, titles);
        // The reader's folder is never made unasked.
        QCOMPARE(QDir(QStringLiteral("data/valdoriel")).exists(), books.join(' ').contains("data/"));
    }

    void readsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("books");
        QTest::addColumn<QString>("paragraph");
        QTest::addColumn<qint64>("seed"); // -1 for none
        QTest::newRow("nothing") << QStringList() << true << QStringList() << "000" << qint64(-1);
        QTest::newRow("two books") << QStringList { "a.xml", "b.xml" } << true << QStringList { "a.xml", "b.xml" }
                                   << "000" << qint64(-1);
        QTest::newRow("for authors") << QStringList { "--paragraph", "042", "--seed", "7", "a.xml" } << true
                                     << QStringList { "a.xml" } << "042" << qint64(7);
        QTest::newRow("a seed in words") << QStringList { "--seed", "sept" } << false << QStringList() << "000"
                                         << qint64(-1);
    }

    void readsTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, valid);
        QFETCH(QStringList, books);
        QFETCH(QString, paragraph);
        QFETCH(qint64, seed);
        CommandLine commandLine;
        QString error;
        QCOMPARE(CommandLine::parse(QStringList { "valdoriel" } + arguments, &commandLine, &error), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (!valid)
            return;
        QCOMPARE(commandLine.books, books);
        QCOMPARE(commandLine.firstParagraph, paragraph);
        QCOMPARE(commandLine.seed ? qint64(*commandLine.seed) : qint64(-1), seed);
    }

    void startsABookAtAParagraphWithItsSeed()
    {
        const QString path = workspace.writeParagraphs(twoParagraphs);
        MainWindow selection;
        QList<int> scores;
        for (int run = 0; run < 2; ++run) {
            ModalAnswers answers;
            for (int roll = 0; roll < 3; ++roll)
                answers.acceptDice();
            selection.startBook(path, QStringLiteral("042"), 99);
            QVERIFY(answers.allAnswered());
            gameBook *window = AdventureDriver::shownWindow();
            QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Plus loin."));
            QCOMPARE(window->adventure().visitedParagraphs(), QStringLiteral("042,"));
            scores << window->adventure().habilete()->initial() << window->adventure().endurance()->initial();
            window->close();
        }
        QCOMPARE(scores.mid(0, 2), scores.mid(2, 2)); // the same dice, die for die
    }

    void startsADroppedBook()
    {
        const QString path = workspace.writeParagraphs(twoParagraphs);
        MainWindow selection;
        QMimeData data;
        data.setUrls(
            { QUrl::fromLocalFile(workspace.bookFolder() + QStringLiteral("/notes.txt")), QUrl::fromLocalFile(path) });
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&selection, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        ModalAnswers answers;
        for (int roll = 0; roll < 3; ++roll)
            answers.acceptDice();
        QApplication::sendEvent(&selection, &drop);
        QTRY_VERIFY_WITH_TIMEOUT(answers.allAnswered(), 20000);
        QTRY_COMPARE(AdventureDriver::shownText(AdventureDriver::shownWindow()), QStringLiteral("Le début."));
    }

    void rereadsTheBookAfterAnEdit()
    {
        const QString path = workspace.writeParagraphs(twoParagraphs);
        gameBook *window = AdventureDriver::start(path);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Plus loin")));
        const QString visits = window->adventure().visitedParagraphs();
        // Written in place, then as a new file renamed over the old one, then half-written.
        workspace.writeParagraphs(QByteArray(twoParagraphs).replace("Plus loin.", "Encore plus loin."));
        QTRY_COMPARE_WITH_TIMEOUT(AdventureDriver::shownText(window), QStringLiteral("Encore plus loin."), 5000);
        const QString renamed =
            workspace.writeBook(QStringLiteral("nouveau.tmp"),
                                TestWorkspace::book(QByteArray(twoParagraphs).replace("<Type>X", "<Type>E,X")));
        QCOMPARE(::rename(QFile::encodeName(renamed).constData(), QFile::encodeName(path).constData()), 0);
        QTRY_COMPARE_WITH_TIMEOUT(AdventureDriver::captions(window), (QStringList { "Prendre un repas ?", "Terminer" }),
                                  5000);
        workspace.writeBook(QStringLiteral("livre.xml"), "<Livre Title=\"x\">\n<Attr id=\"042\">\n<Text>");
        QTRY_VERIFY_WITH_TIMEOUT(window->statusBar()->currentMessage().contains(QStringLiteral("ligne 3")), 5000);
        QCOMPARE(AdventureDriver::captions(window), (QStringList { "Prendre un repas ?", "Terminer" }));
        QCOMPARE(window->adventure().visitedParagraphs(), visits);
    }

    void refusesWhatIsNoBookAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : { "folder", "pipe", "device", "missing", "too large" })
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void refusesWhatIsNoBookAtOnce()
    {
        QFETCH(QString, kind);
        QString path = workspace.bookFolder() + QStringLiteral("/livre.xml");
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else if (kind == QLatin1String("pipe"))
            QVERIFY(NamedPipe::make(path));
        else if (kind == QLatin1String("device"))
            path = QStringLiteral("/dev/zero");
        else if (kind == QLatin1String("too large"))
            QVERIFY(QFile(workspace.writeParagraphs(twoParagraphs)).resize(129 * 1024 * 1024));
        MainWindow selection;
        ModalAnswers answers;
        QString title;
        answers.acceptMessageBox(&title);
        selection.startBook(path);
        QVERIFY(answers.allAnswered());
        QCOMPARE(title, QStringLiteral("Erreur ouverture fichier-jeu"));
        QVERIFY(!AdventureDriver::shownWindow()->adventure().hero()); // no dice were rolled
    }
};

VALDORIEL_TEST_MAIN(OpeningTest)
#include "tst_opening.moc"
