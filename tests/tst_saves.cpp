// Keeping an adventure: its automatic save taken up from the selection window as it stood,
// history included, and not once it has ended; named saves taken up, renamed and deleted;
// writes that fail or are cut short; and saves that no adventure wrote.

#include "adventure.h"
#include "adventuredriver.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "mainwindow.h"
#include "modalanswers.h"
#include "savedadventure.h"
#include "savestore.h"
#include "testmain.h"

#include <cstdio>

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
const QString firstVisit = QStringLiteral("Vous êtes au carrefour.  Vous revenez au carrefour.");

// `node` with the value at `path` ("key/0/key": keys of objects, positions in arrays) replaced.
QJsonValue changed(const QJsonValue &node, QStringList path, const QJsonValue &value)
{
    if (path.isEmpty())
        return value;
    const QString step = path.takeFirst();
    if (node.isArray()) {
        QJsonArray array = node.toArray();
        array[step.toInt()] = changed(array.at(step.toInt()), path, value);
        return array;
    }
    QJsonObject object = node.toObject();
    object[step] = changed(object.value(step), path, value);
    return object;
}

QByteArray changed(const QByteArray &save, const QString &path, const QJsonValue &value)
{
    const QJsonValue root = QJsonDocument::fromJson(save).object();
    return QJsonDocument(changed(root, path.split(QLatin1Char('/')), value).toObject()).toJson();
}

// The process has a file of `folder` open: it is writing a save there.
bool writesIn(qint64 pid, const QString &folder)
{
    const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString &name : descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFile::symLinkTarget(descriptors.filePath(name)).startsWith(folder + QLatin1Char('/')))
            return true;
    }
    return false;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SavesTest : public WorkspaceTest {
    Q_OBJECT

private:
    QString bookPath;

    // Starts the book from the selection window, pressing `answer` in the question that
    // offers its saves (none is expected when it is empty), then answering as `answerNext`
    // says; returns the adventure window on show.
    gameBook *startFromList(const QString &answer, const std::function<void(ModalAnswers *)> &answerNext = {})
    {
        ModalAnswers answers;
        if (!answer.isEmpty()) {
            answers.then<QMessageBox>([answer](QMessageBox *box) {
                for (QAbstractButton *button : box->buttons()) {
                    if (button->text() == answer)
                        ModalAnswers::clickLater(button);
                }
            });
        }
        if (answerNext)
            answerNext(&answers);
        MainWindow selection;
        selection.findChild<QListWidget *>(QStringLiteral("listWidget"))->setCurrentRow(0);
        selection.findChild<QPushButton *>(QStringLiteral("pb_Launch"))->click();
        AdventureDriver::settle();
        return answers.allAnswered() ? AdventureDriver::shownWindow() : nullptr;
    }

    // Plays the presses on a new adventure, keeping what is seen first and after each press.
    gameBook *play(const QStringList &presses, QList<QStringList> *views)
    {
        gameBook *window = AdventureDriver::start(bookPath);
        ModalAnswers answers;
        for (const char *dialog : { "LaunchDeuce", "Attack" })
            answers.alwaysFor(dialog,
                              [](QWidget *open) { QMetaObject::invokeMethod(open, "reject", Qt::QueuedConnection); });
        views->append(AdventureDriver::view(window));
        for (const QString &caption : presses) {
            AdventureDriver::press(window, caption);
            views->append(AdventureDriver::view(window));
        }
        return window;
    }

private Q_SLOTS:
    void init()
    {
        workspace.clearBooks();
        bookPath = workspace.writeParagraphs(crossroads + goblin);
        const QString folder = QFileInfo(SaveStore::automaticPath(bookPath)).path();
        QDir(folder).removeRecursively();
        QFile::remove(folder);
        QFile::remove(folder + QStringLiteral(".json"));
    }

    void resumesEachKindOfScreen_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("onwards"); // leads back to the crossroads; none once the adventure is over
        QTest::newRow("a meal taken") << QStringList { "Prendre un repas ?" } << "Revenir au carrefour";
        QTest::newRow("a luck outcome") << QStringList { "Tentez votre chance !" } << "Continuer";
        QTest::newRow("after a fight") << QStringList { "Affronter le gobelin", "Attaquer Gobelin" } << "Continuer";
        QTest::newRow("a later visit") << QStringList { "Revenir au carrefour" } << "Revenir au carrefour";
        QTest::newRow("an end, not offered") << QStringList { "Aller au bout du chemin" } << QString();
    }

    void resumesEachKindOfScreen()
    {
        QFETCH(QStringList, presses);
        QFETCH(QString, onwards);
        QList<QStringList> views;
        gameBook *played = play(presses, &views);
        const QString visited = played->adventure().visitedParagraphs();
        played->close();

        int diceDialogs = 0;
        gameBook *resumed = startFromList(onwards.isEmpty() ? QString() : QStringLiteral("Reprendre"),
                                          [&diceDialogs](ModalAnswers *answers) {
                                              answers->alwaysFor("LaunchDeuce", [&diceDialogs](QWidget *dialog) {
                                                  ++diceDialogs;
                                                  QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
                                              });
                                          });
        QVERIFY(resumed);
        if (onwards.isEmpty()) {
            // Nothing was asked: a new adventure began, with its dice.
            QCOMPARE(diceDialogs, 3);
            QCOMPARE(AdventureDriver::shownText(resumed), firstVisit);
            return;
        }
        QCOMPARE(AdventureDriver::view(resumed), views.last());
        QCOMPARE(diceDialogs, 0);
        QCOMPARE(resumed->adventure().visitedParagraphs(), visited);
        // The history came with it: a step back shows the screen before the last press.
        AdventureDriver::trigger(resumed, "actionRevenir");
        QCOMPARE(AdventureDriver::view(resumed), views.at(views.size() - 2));
        AdventureDriver::trigger(resumed, "actionAvancer");
        // The adventure goes on with what it had visited: the objects are not given twice.
        QVERIFY(AdventureDriver::press(resumed, onwards));
        QCOMPARE(AdventureDriver::shownText(resumed), QStringLiteral(" Vous revenez au carrefour."));
        QCOMPARE(AdventureDriver::sheetValue(resumed, "sb_Gold"), 3);
    }

    void warnsOfAChangedBook()
    {
        QList<QStringList> views;
        play({ "Prendre un repas ?" }, &views)->close();
        workspace.writeParagraphs(crossroads); // the goblin is gone
        QString warning;
        gameBook *resumed = startFromList(QStringLiteral("Reprendre"),
                                          [&warning](ModalAnswers *answers) { answers->acceptMessageBox(&warning); });
        QVERIFY(resumed);
        QCOMPARE(warning, QStringLiteral("Livre modifié"));
        QVERIFY(!AdventureDriver::button(resumed, QStringLiteral("Prendre un repas ?"))->isEnabled());
        QVERIFY(AdventureDriver::press(resumed, QStringLiteral("Affronter le gobelin")));
        QCOMPARE(AdventureDriver::shownText(resumed),
                 QStringLiteral("Le paragraphe « 001 » n'existe pas dans ce livre."));
    }

    void takesUpRenamesAndDeletesNamedSaves()
    {
        gameBook *window = AdventureDriver::start(bookPath);
        AdventureDriver::trigger(window, "actionSauvegarder");
        const QStringList first = AdventureDriver::view(window);
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Revenir au carrefour")));
        AdventureDriver::trigger(window, "actionSauvegarder");

        // The older one is renamed, the newer deleted, and the older taken up.
        QStringList listed;
        ModalAnswers answers;
        answers.thenFor("SavesDialog", [&listed](QWidget *dialog) {
            auto *tree = dialog->findChild<QTreeWidget *>(QStringLiteral("treeSaves"));
            for (int row = 0; row < tree->topLevelItemCount(); ++row) {
                const QTreeWidgetItem *item = tree->topLevelItem(row);
                listed << item->text(0).left(15) + ' ' + item->text(2) + ' ' + item->text(4);
            }
            tree->topLevelItem(1)->setText(0, QStringLiteral("Au carrefour"));
            tree->setCurrentItem(tree->topLevelItem(0));
            ModalAnswers::clickLater(dialog->findChild<QPushButton *>(QStringLiteral("pb_Delete")));
        });
        answers.then<QMessageBox>(
            [](QMessageBox *question) { ModalAnswers::clickLater(question->button(QMessageBox::Yes)); });
        answers.thenFor("SavesDialog", [&listed](QWidget *dialog) {
            auto *tree = dialog->findChild<QTreeWidget *>(QStringLiteral("treeSaves"));
            listed << QString::number(tree->topLevelItemCount()) + ' ' + tree->topLevelItem(0)->text(0);
            tree->setCurrentItem(tree->topLevelItem(0));
            ModalAnswers::clickLater(dialog->findChild<QPushButton *>(QStringLiteral("pb_TakeUp")));
        });
        AdventureDriver::trigger(window, "actionSauvegardes");
        QVERIFY(answers.allAnswered());
        QCOMPARE(listed, (QStringList { "Paragraphe 000, 000 3", "Paragraphe 000, 000 3", "1 Au carrefour" }));
        QCOMPARE(AdventureDriver::view(window), first);
        // The adventure left is kept among the named saves.
        QCOMPARE(SaveStore::namedSaves(bookPath).size(), 2);
    }

    // A new adventure keeps the one in the automatic save among the named saves, making room
    // there once the reader agrees.
    void keepsAtMostAHundredNamedSaves()
    {
        QList<QStringList> views;
        play({ "Revenir au carrefour" }, &views)->close();
        const QString automatic = SaveStore::automaticPath(bookPath);
        const QByteArray save = contentOf(automatic);
        const QString oldest = QFileInfo(automatic).path() + QStringLiteral("/ancienne.json");
        for (int copy = 0; copy < SaveStore::maximumNamedSaves; ++copy) {
            QFile file(copy == 0 ? oldest : QFileInfo(automatic).path() + QStringLiteral("/%1.json").arg(copy));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(copy == 0 ? changed(changed(save, "name", "La plus ancienne"), "savedAt", "2000-01-01T00:00:00")
                                 : save);
        }
        QString question;
        gameBook *window = startFromList(QStringLiteral("Nouvelle aventure"), [&question](ModalAnswers *answers) {
            answers->then<QMessageBox>([&question](QMessageBox *box) {
                question = box->text();
                ModalAnswers::clickLater(box->button(QMessageBox::Yes));
            });
            for (int roll = 0; roll < 3; ++roll)
                answers->acceptDice();
        });
        QVERIFY(window);
        QVERIFY2(question.contains(QStringLiteral("la plus ancienne, « La plus ancienne », sera supprimée")),
                 qPrintable(question));
        QVERIFY(!QFileInfo::exists(oldest));
        QCOMPARE(SaveStore::namedPaths(bookPath).size(), SaveStore::maximumNamedSaves);
        QCOMPARE(AdventureDriver::shownText(window), firstVisit);
    }

    void readsTheSaveOfEarlierVersionsAsANamedOne()
    {
        const QString earlier = QFileInfo(SaveStore::automaticPath(bookPath)).path() + QStringLiteral(".json");
        QVERIFY(QDir().mkpath(QFileInfo(earlier).path()));
        QVERIFY(QFile::copy(TestWorkspace::repositoryFile(QStringLiteral("fuzz/seeds/saves/paragraph.json")), earlier));
        gameBook *window = startFromList(QStringLiteral("Choisir une sauvegarde…"), [](ModalAnswers *answers) {
            answers->thenFor("SavesDialog", [](QWidget *dialog) {
                auto *tree = dialog->findChild<QTreeWidget *>(QStringLiteral("treeSaves"));
                tree->setCurrentItem(tree->topLevelItem(0));
                ModalAnswers::clickLater(dialog->findChild<QPushButton *>(QStringLiteral("pb_TakeUp")));
            });
            answers->acceptMessageBox(); // the book changed since
        });
        QVERIFY(window);
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Départ"));
        QCOMPARE(AdventureDriver::sheet(window), (QList<int> { 10, 10, 20, 17, 9, 8, 3, 2 }));
    }

    void saysOnceThatItCannotWrite()
    {
        // A file stands where the book's saves would go.
        const QString folder = QFileInfo(SaveStore::automaticPath(bookPath)).path();
        QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
        QFile blocking(folder);
        QVERIFY(blocking.open(QIODevice::WriteOnly));
        blocking.close();
        gameBook *window = AdventureDriver::start(bookPath);
        QTRY_VERIFY(window->statusBar()->currentMessage().startsWith(
            QStringLiteral("L'aventure ne peut pas être sauvegardée : le dossier ")));
        window->statusBar()->clearMessage();
        QVERIFY(AdventureDriver::press(window, QStringLiteral("Revenir au carrefour")));
        window->close();
        QCoreApplication::processEvents();
        QCOMPARE(window->statusBar()->currentMessage(), QString());
    }

    // A child process writes a save, then larger ones again and again, and is killed while
    // it writes one of them.
    void keepsTheEarlierSaveWhenKilled()
    {
        const QString path = QString::fromLocal8Bit(qgetenv("VALDORIEL_WRITE_UNTIL_KILLED"));
        QList<QStringList> views;
        SavedAdventure saved =
            SavedAdventure::of(play({ "Revenir au carrefour" }, &views)->adventure(), bookPath, QString());
        if (!path.isEmpty()) {
            QString error;
            QVERIFY(SaveStore::write(path, saved, &error));
            std::puts("written");
            std::fflush(stdout);
            saved.snapshot.moments = QVector<Moment>(SavedAdventure::maximumSteps, saved.currentMoment());
            for (;;)
                SaveStore::write(path, saved, &error);
        }
        // Apart from the automatic save, which the window writes.
        const QString target = SaveStore::newNamedPath(bookPath);
        const QString folder = QFileInfo(target).path();
        bool killedWhileWriting = false;
        for (int attempt = 0; attempt < 10 && !killedWhileWriting; ++attempt) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("VALDORIEL_WRITE_UNTIL_KILLED"), target);
            child.setProcessEnvironment(environment);
            child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("keepsTheEarlierSaveWhenKilled") });
            QByteArray said;
            while (!said.contains("written") && child.waitForReadyRead(20000))
                said += child.readAllStandardOutput();
            QVERIFY(said.contains("written"));
            QElapsedTimer clock;
            for (clock.start(); !killedWhileWriting && clock.elapsed() < 5000;)
                killedWhileWriting = writesIn(child.processId(), folder);
            child.kill();
            QVERIFY(child.waitForFinished(20000));
            SavedAdventure read;
            QString error;
            QVERIFY2(SaveStore::read(target, &read, &error), qPrintable(error));
            QVERIFY(read.snapshot.moments.size() == 2 || read.snapshot.moments.size() == SavedAdventure::maximumSteps);
        }
        QVERIFY(killedWhileWriting);
    }

    void refusesHostileSaves_data()
    {
        QTest::addColumn<QString>("hostility");
        for (const char *hostility :
             { "empty", "cut", "not JSON", "too large", "deeply nested", "absurd number", "score above its start",
               "huge text", "a million objects", "wrong type", "another program's", "too many steps",
               "a step past the screens", "dice drawn past their bound", "no step" })
            QTest::newRow(hostility) << QString::fromLatin1(hostility);
    }

    void refusesHostileSaves()
    {
        QFETCH(QString, hostility);
        QList<QStringList> views;
        play({ "Revenir au carrefour" }, &views)->close();
        const QString path = SaveStore::automaticPath(bookPath);
        const QByteArray valid = contentOf(path);
        const QJsonArray moment = QJsonDocument::fromJson(valid)["moments"][0].toArray();
        QJsonArray tooManySteps;
        for (int step = 0; step <= SavedAdventure::maximumSteps && hostility == "too many steps"; ++step)
            tooManySteps.append(moment);
        const QMap<QString, QByteArray> saves {
            { "empty", QByteArray() },
            { "cut", valid.left(valid.size() / 2) },
            { "not JSON", QByteArray("\xff\xfe\x00{ sauvegarde", 13) },
            { "too large", valid + QByteArray(17 * 1024 * 1024, ' ') },
            { "deeply nested", QByteArray(200000, '[') },
            { "absurd number", changed(valid, "step", 1e300) },
            { "score above its start", changed(valid, "moments/0/1", 99) },
            { "huge text", changed(valid, "screens/0/text", QString(5000000, QLatin1Char('a'))) },
            { "a million objects",
              QByteArray(valid).replace("\"objects\":[", "\"objects\":[" + QByteArray("{},").repeated(1000000)) },
            { "wrong type", changed(valid, "visited", "000") },
            { "another program's", changed(valid, "valdorielSave", 3) },
            { "too many steps", changed(valid, "moments", tooManySteps) },
            { "a step past the screens", changed(valid, "moments/0/9", 5) },
            { "dice drawn past their bound", changed(valid, "moments/0/12", 1e12) },
            { "no step", changed(valid, "moments", QJsonArray()) },
        };
        const QByteArray hostile = saves.value(hostility);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(hostile);
        file.close();

        QString title, text;
        gameBook *window = startFromList(QStringLiteral("Reprendre"), [&title, &text](ModalAnswers *answers) {
            answers->acceptMessageBox(&title, &text);
            for (int roll = 0; roll < 3; ++roll)
                answers->acceptDice();
        });
        QVERIFY(window);
        QCOMPARE(title, QStringLiteral("Sauvegarde illisible"));
        QVERIFY2(text.startsWith(QStringLiteral("La sauvegarde de ce livre ne peut pas être lue")), qPrintable(text));
        // A new adventure has begun, and the file is kept as it was among the named saves,
        // said to be unreadable.
        QCOMPARE(AdventureDriver::shownText(window), firstVisit);
        const QList<SaveStore::Entry> named = SaveStore::namedSaves(bookPath);
        QCOMPARE(named.size(), 1);
        QVERIFY(!named.first().fault.isEmpty());
        QVERIFY(contentOf(named.first().path) == hostile);
    }
};

VALDORIEL_TEST_MAIN(SavesTest)
#include "tst_saves.moc"
