// Saving an adventure and taking it up again from the selection window, as it stood, and
// refusing saves that no adventure wrote.

#include "adventure.h"
#include "adventuredriver.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "mainwindow.h"
#include "modalanswers.h"
#include "savestore.h"
#include "testmain.h"

namespace {

const QByteArray crossroads =
    "<Attr id=\"000\"><Text>Vous êtes au carrefour.§ Vous revenez au carrefour.</Text><Type>O,E,L,C</Type>"
    "<Objects><O><Text>Dague</Text><Type>1</Type><Gold Value=\"3\"/><Food Value=\"2\"/></O></Objects>"
    "<Luck><Lucky Value=\"000\">La chance vous sourit.</Lucky><Unlucky Value=\"000\">Rien.</Unlucky></Luck>"
    "<Choices><C Value=\"001\">Affronter le gobelin</C><C Value=\"002\">Aller au bout du chemin</C>"
    "<C Value=\"000\">Revenir au carrefour</C></Choices></Attr>"
    "<Attr id=\"002\"><Text>Fin.</Text><Type>X</Type></Attr>";
// A goblin already beaten: closing the combat dialog wins the fight.
const QByteArray goblin =
    "<Attr id=\"001\"><Text>Un gobelin.</Text><Type>A</Type>"
    "<Monster><M Name=\"Gobelin\" Habilete=\"5\" Endurance=\"0\" Value=\"000\"/></Monster></Attr>";

// What the reader sees: the sheet, the equipment, the text and every button with its state.
QStringList view(gameBook *window)
{
    QStringList seen;
    for (int value : AdventureDriver::sheet(window))
        seen << QString::number(value);
    seen << AdventureDriver::equipmentRows(window).join(QLatin1Char('|')) << AdventureDriver::shownText(window);
    QGridLayout *grid = AdventureDriver::playGrid(window);
    for (GameButton *button : AdventureDriver::buttons(window)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(button), &row, &column, &rowSpan, &columnSpan);
        seen << QStringLiteral("%1 %2 %3 %4 (%5, %6)")
                    .arg(button->text(), button->buttonType(), button->objectName())
                    .arg(button->isEnabled())
                    .arg(row)
                    .arg(column);
    }
    return seen;
}

// The save with the value at `path` ("key" or "key/inner key") replaced.
QByteArray changed(const QByteArray &save, const QString &path, const QJsonValue &value)
{
    QJsonObject root = QJsonDocument::fromJson(save).object();
    const QString key = path.section(QLatin1Char('/'), 0, 0);
    QJsonObject inner = root[key].toObject();
    inner[path.section(QLatin1Char('/'), 1)] = value;
    root[key] = path.contains(QLatin1Char('/')) ? QJsonValue(inner) : value;
    return QJsonDocument(root).toJson();
}

} // namespace

class SavesTest : public WorkspaceTest {
    Q_OBJECT

private:
    QString bookPath;

    // Starts the book from the selection window, first answering that the saved adventure
    // is to be taken up, then as `answers` says; returns the adventure window on show.
    gameBook *resumeFromList(const std::function<void(ModalAnswers *)> &answer)
    {
        ModalAnswers answers;
        answers.then<QMessageBox>([](QMessageBox *box) {
            QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("Reprendre"));
            QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("Nouvelle aventure"));
            ModalAnswers::clickLater(box->button(QMessageBox::Yes));
        });
        answer(&answers);
        MainWindow selection;
        selection.findChild<QListWidget *>(QStringLiteral("listWidget"))->setCurrentRow(0);
        selection.findChild<QPushButton *>(QStringLiteral("pb_Launch"))->click();
        AdventureDriver::settle();
        return answers.allAnswered() ? AdventureDriver::shownWindow() : nullptr;
    }

    // Plays the presses on a new adventure and saves it.
    gameBook *playAndSave(const QStringList &presses)
    {
        gameBook *window = AdventureDriver::start(bookPath);
        ModalAnswers answers;
        for (const char *dialog : { "LaunchDeuce", "Attack" })
            answers.alwaysFor(dialog,
                              [](QWidget *open) { QMetaObject::invokeMethod(open, "reject", Qt::QueuedConnection); });
        for (const QString &caption : presses)
            AdventureDriver::press(window, caption);
        window->findChild<QAction *>(QStringLiteral("actionSauvegarder"))->trigger();
        return window;
    }

private Q_SLOTS:
    void init()
    {
        workspace.clearBooks();
        QDir(QFileInfo(SaveStore::pathFor(workspace.bookFolder() + QStringLiteral("/livre.xml"))).path())
            .removeRecursively();
        bookPath = workspace.writeParagraphs(crossroads + goblin);
    }

    void resumesEachKindOfScreen_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::newRow("a meal taken") << QStringList { "Prendre un repas ?" };
        QTest::newRow("a luck outcome") << QStringList { "Tentez votre chance !" };
        QTest::newRow("after a fight") << QStringList { "Affronter le gobelin", "Attaquer Gobelin" };
        QTest::newRow("a later visit") << QStringList { "Revenir au carrefour" };
        QTest::newRow("an end") << QStringList { "Aller au bout du chemin" };
    }

    void resumesEachKindOfScreen()
    {
        QFETCH(QStringList, presses);
        gameBook *played = playAndSave(presses);
        QCOMPARE(played->statusBar()->currentMessage(), QStringLiteral("Aventure sauvegardée."));
        const QStringList before = view(played);
        const QString visited = played->adventure().visitedParagraphs();
        played->close();

        int diceDialogs = 0;
        gameBook *resumed = resumeFromList([&diceDialogs](ModalAnswers *answers) {
            answers->alwaysFor("LaunchDeuce", [&diceDialogs](QWidget *dialog) {
                ++diceDialogs;
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            });
        });
        QVERIFY(resumed);
        QCOMPARE(view(resumed), before);
        QCOMPARE(diceDialogs, 0);
        // The adventure goes on with what it had visited: the objects are not given twice.
        QCOMPARE(resumed->adventure().visitedParagraphs(), visited);
        if (AdventureDriver::press(resumed, QStringLiteral("Revenir au carrefour"))) {
            QCOMPARE(AdventureDriver::shownText(resumed), QStringLiteral(" Vous revenez au carrefour."));
            QCOMPARE(AdventureDriver::sheetValue(resumed, "sb_Gold"), 3);
        }
    }

    void warnsOfAChangedBook()
    {
        playAndSave({ "Prendre un repas ?" })->close();
        workspace.writeParagraphs(crossroads); // the goblin is gone
        QString warning;
        gameBook *resumed = resumeFromList([&warning](ModalAnswers *answers) { answers->acceptMessageBox(&warning); });
        QVERIFY(resumed);
        QCOMPARE(warning, QStringLiteral("Livre modifié"));
        QVERIFY(!AdventureDriver::button(resumed, QStringLiteral("Prendre un repas ?"))->isEnabled());
        QVERIFY(AdventureDriver::press(resumed, QStringLiteral("Affronter le gobelin")));
        QCOMPARE(AdventureDriver::shownText(resumed),
                 QStringLiteral("Le paragraphe « 001 » n'existe pas dans ce livre."));
    }

    void refusesHostileSaves_data()
    {
        QTest::addColumn<QString>("hostility");
        for (const char *hostility :
             { "empty", "cut", "not JSON", "too large", "deeply nested", "absurd number", "score above its start",
               "huge text", "a million objects", "wrong type", "another program's" })
            QTest::newRow(hostility) << QString::fromLatin1(hostility);
    }

    void refusesHostileSaves()
    {
        QFETCH(QString, hostility);
        playAndSave({ "Revenir au carrefour" })->close();
        QFile file(SaveStore::pathFor(bookPath));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray valid = file.readAll();
        file.close();
        const QMap<QString, QByteArray> saves {
            { "empty", QByteArray() },
            { "cut", valid.left(valid.size() / 2) },
            { "not JSON", QByteArray("\xff\xfe\x00{ sauvegarde", 13) },
            { "too large", valid + QByteArray(17 * 1024 * 1024, ' ') },
            { "deeply nested", QByteArray(200000, '[') },
            { "absurd number", changed(valid, "gold", 1e300) },
            { "score above its start", changed(valid, "hero/habilete", QJsonArray { 5, 9 }) },
            { "huge text", changed(valid, "screen/text", QString(5000000, QLatin1Char('a'))) },
            { "a million objects",
              QByteArray(valid).replace("\"objects\": [", "\"objects\": [" + QByteArray("{},").repeated(1000000)) },
            { "wrong type", changed(valid, "visited", "000") },
            { "another program's", changed(valid, "valdorielSave", 2) },
        };
        const QByteArray hostile = saves.value(hostility);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(hostile);
        file.close();

        QString title, text;
        gameBook *window = resumeFromList([&title, &text](ModalAnswers *answers) {
            answers->acceptMessageBox(&title, &text);
            for (int roll = 0; roll < 3; ++roll)
                answers->acceptDice();
        });
        QVERIFY(window);
        QCOMPARE(title, QStringLiteral("Sauvegarde illisible"));
        QVERIFY2(text.startsWith(QStringLiteral("La sauvegarde de ce livre ne peut pas être lue")), qPrintable(text));
        // A new adventure has begun, and the file is left as it was.
        QCOMPARE(AdventureDriver::shownText(window),
                 QStringLiteral("Vous êtes au carrefour.  Vous revenez au carrefour."));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == hostile);
    }
};

VALDORIEL_TEST_MAIN(SavesTest)
#include "tst_saves.moc"
