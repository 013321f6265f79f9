// The book shipped with the player: sound as a file, and playable from start to end.

#include "adventuredriver.h"
#include "bookparser.h"
#include "character.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "modalanswers.h"
#include "testmain.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QListWidget>
#include <QPushButton>

#include <random>

namespace {

const QString bundledBook = QStringLiteral("Add-on/la-tour-de-valdoriel.xml");

// Where each paragraph can lead, by every way the player offers.
QStringList targets(const Paragraph &paragraph)
{
    QStringList found { paragraph.luck.lucky.target, paragraph.luck.unlucky.target };
    if (paragraph.fleeActive || !paragraph.monsters.isEmpty())
        found << paragraph.fleeRef;
    for (const Monster &monster : paragraph.monsters)
        found << monster.value;
    for (const Choice &choice : paragraph.choices)
        found << choice.target;
    found.removeAll(QString());
    return found;
}

// Answers whatever the adventure opens: dice as rolled, the first object offered, and
// fights pressed until they end.
void answerEverything(ModalAnswers *answers)
{
    answers->alwaysFor("LaunchDeuce",
                       [](QWidget *dialog) { QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection); });
    answers->alwaysFor("QMessageBox", [](QWidget *box) { ModalAnswers::clickLater(box->findChild<QPushButton *>()); });
    answers->alwaysFor("InventoryChoice", [](QWidget *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("tableObject"));
        if (list->count() > 0)
            list->setCurrentRow(0);
        ModalAnswers::clickLater(dialog->findChild<QPushButton *>(QStringLiteral("pb_Validate")));
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    answers->alwaysFor("Attack", [](QWidget *dialog) {
        for (GameButton *button : dialog->findChildren<GameButton *>()) {
            if (button->text().startsWith(QStringLiteral("Force d'Attaque")))
                ModalAnswers::clickLater(button);
        }
    });
}

} // namespace

class BundledBookTest : public QObject {
    Q_OBJECT

public:
    explicit BundledBookTest(TestWorkspace *workspace)
        : workspace(workspace)
    {
    }

private:
    TestWorkspace *workspace;

private Q_SLOTS:
    void cleanup() { QVERIFY(AdventureDriver::deleteAdventureWindows()); }

    void leadsOnlyToParagraphsItHolds()
    {
        QFile file(TestWorkspace::repositoryFile(bundledBook));
        QVERIFY(BookParser::openBook(&file));
        QDomDocument document;
        QVERIFY(BookParser::readDocument(&file, &document));
        QMap<QString, Paragraph> paragraphs;
        BookParser::parseParagraphs(document.documentElement(), &paragraphs);
        QVERIFY(paragraphs.contains(QStringLiteral("000")));
        for (auto paragraph = paragraphs.cbegin(); paragraph != paragraphs.cend(); ++paragraph) {
            QVERIFY2(!paragraph->text.isEmpty(), qPrintable(paragraph.key()));
            for (const QString &target : targets(*paragraph))
                QVERIFY2(paragraphs.contains(target), qPrintable(paragraph.key() + " -> " + target));
        }
    }

    void canBePlayedToAnEnd()
    {
        const QString path = workspace->writeBook(QStringLiteral("livre.xml"), [] {
            QFile file(TestWorkspace::repositoryFile(bundledBook));
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }());
        int endings = 0;
        for (unsigned seed = 1; seed <= 6; ++seed) {
            gameBook *window = AdventureDriver::start(path, seed);
            std::mt19937 reader(seed);
            for (int press = 0; press < 80 && window->isVisible(); ++press) {
                QList<GameButton *> offered;
                for (GameButton *button : AdventureDriver::buttons(window)) {
                    if (button->isEnabled())
                        offered << button;
                }
                if (offered.isEmpty())
                    break;
                GameButton *chosen = offered.at(int(reader() % unsigned(offered.size())));
                ModalAnswers answers(60000);
                answerEverything(&answers);
                chosen->click();
                AdventureDriver::settle();
                QVERIFY(!answers.timedOut());
                QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"),
                         qBound(0, window->heroCharacter()->endurance(), 99));
                QVERIFY(window->isHidden() || !AdventureDriver::shownText(window).isEmpty() ||
                        AdventureDriver::buttons(window).isEmpty());
            }
            if (window->isHidden())
                ++endings;
            delete window;
        }
        QVERIFY(endings > 0);
    }
};

VALDORIEL_TEST_MAIN(BundledBookTest)
#include "tst_bundledbook.moc"
