// The reader's look of the player: themes that keep every text readable, choices kept for
// the next start whatever the settings file holds, names for a screen reader on every
// control, and reading aloud.

#include "adventuredriver.h"
#include "attack.h"
#include "gamebook.h"
#include "inventorychoice.h"
#include "journaldialog.h"
#include "mainwindow.h"
#include "modalanswers.h"
#include "namedpipe.h"
#include "readaloud.h"
#include "readersettings.h"
#include "savesdialog.h"
#include "speechengine.h"
#include "testmain.h"
#include "theme.h"

namespace {

// A paragraph coloured for a white page, with a fight and two choices.
const QByteArray colouredBook = TestWorkspace::book(
    "<Attr id=\"000\"><Text>&lt;body bgcolor=\"#ffffff\"&gt;&lt;p style=\"background-color:#000000\"&gt;Nuit&lt;/p&gt;"
    "&lt;p&gt;&lt;font color=\"#000000\"&gt;Encre&lt;/font&gt; &lt;span style=\"background-color:#ffff00\"&gt;"
    "Marque&lt;/span&gt; &lt;font color=\"#f8f0dc\"&gt;Pâle&lt;/font&gt;&lt;/p&gt;</Text><Type>A,C</Type>"
    "<Monster><M Name=\"Loup\" Habilete=\"6\" Endurance=\"4\" Value=\"001\"/></Monster><Choices>"
    "<C Value=\"001\">Fuir vers la rivière</C><C Value=\"001\">Grimper à l'arbre</C></Choices></Attr>"
    "<Attr id=\"001\"><Text>Fin.</Text><Type>X</Type></Attr>");

QList<QWidget *> shownWidgets(QWidget *window)
{
    QList<QWidget *> widgets { window };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->isVisible())
            widgets.append(widget);
    }
    return widgets;
}

// Every enabled widget's text on its background, and each part of a book's text on what
// lies under it.
void expectReadable(QWidget *window)
{
    for (QWidget *widget : shownWidgets(window)) {
        const QPalette palette = widget->palette();
        const double contrast =
            Theme::contrast(palette.color(widget->foregroundRole()), palette.color(widget->backgroundRole()));
        QVERIFY2(!widget->isEnabled() || contrast >= Theme::minimumContrast,
                 qPrintable(widget->objectName() + QLatin1Char(' ') + widget->metaObject()->className()));
        auto *text = qobject_cast<QTextEdit *>(widget);
        for (QTextBlock block = text ? text->document()->begin() : QTextBlock(); block.isValid();
             block = block.next()) {
            const QTextFrameFormat page = text->document()->rootFrame()->frameFormat();
            QColor under = page.hasProperty(QTextFormat::BackgroundBrush) ? page.background().color()
                                                                          : palette.color(QPalette::Base);
            if (block.blockFormat().hasProperty(QTextFormat::BackgroundBrush))
                under = block.blockFormat().background().color();
            for (auto part = block.begin(); !part.atEnd(); ++part) {
                const QTextCharFormat format = part.fragment().charFormat();
                const QColor ink = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                                    : palette.color(QPalette::Text);
                const QColor paper =
                    format.hasProperty(QTextFormat::BackgroundBrush) ? format.background().color() : under;
                QVERIFY2(Theme::contrast(ink, paper) >= Theme::minimumContrast, qPrintable(part.fragment().text()));
            }
        }
    }
}

// Every control a reader can reach has a name, and every number or list shown a description.
void expectNamed(QAccessibleInterface *node)
{
    if (!node || node->state().invisible)
        return;
    const QString name = node->text(QAccessible::Name);
    const QString objectName = node->object() ? node->object()->objectName() : QString();
    QVERIFY2(!node->state().focusable || !name.isEmpty(), qPrintable(objectName));
    if (node->role() == QAccessible::SpinBox || node->role() == QAccessible::List)
        QVERIFY2(!node->text(QAccessible::Description).isEmpty(), qPrintable(name));
    if (node->role() == QAccessible::Graphic && objectName.isEmpty())
        QVERIFY2(QRegularExpression(QStringLiteral("^Dé : [1-6]$")).match(name).hasMatch(), qPrintable(name));
    for (int child = 0; child < node->childCount(); ++child)
        expectNamed(node->child(child));
}

void expectEveryWindow(void (*expectation)(QWidget *))
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            expectation(window);
    }
}

class FakeSpeech : public SpeechEngine {
public:
    QString unavailableReason() const override { return reason; }
    void say(const QString &text) override { said.append(text); }
    void stop() override { ++stops; }
    void finish() { Q_EMIT spoken(); }

    QString reason;
    QStringList said;
    int stops = 0;
};

} // namespace

class DisplayTest : public WorkspaceTest {
    Q_OBJECT

private:
    // The windows and dialogs of a fight, each checked as it shows.
    void checkEveryWindow(void (*expectation)(QWidget *))
    {
        workspace.clearBooks();
        const QString book = workspace.writeBook(QStringLiteral("livre.xml"), colouredBook);
        MainWindow selection;
        selection.show();
        selection.findChild<QListWidget *>()->setCurrentRow(0);
        ModalAnswers answers;
        answers.thenFor("LaunchDeuce", [expectation](QWidget *dialog) {
            expectation(dialog);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        answers.acceptDice();
        answers.acceptDice();
        selection.findChild<QPushButton *>(QStringLiteral("pb_Launch"))->click();
        QVERIFY(answers.allAnswered());
        expectEveryWindow(expectation);
        InventoryChoice choice;
        QMessageBox box(QMessageBox::Information, QStringLiteral("Touché !"), QStringLiteral("Vous avez touché."));
        SavesDialog saves(book);
        JournalDialog journal(AdventureDriver::shownWindow()->adventure().journal(), 0);
        for (QWidget *dialog : std::initializer_list<QWidget *> { &choice, &box, &saves, &journal }) {
            dialog->show();
            expectation(dialog);
        }
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *fight = qobject_cast<Attack *>(window)) {
                fight->show();
                expectation(fight);
                fight->hide();
            }
        }
    }

    // The look of a new adventure window: its theme, its text's size and family, its size and state.
    QVariantList lookOfANewWindow()
    {
        gameBook *window = AdventureDriver::start(workspace.writeBook(QStringLiteral("livre.xml"), colouredBook));
        const QFont text = AdventureDriver::textView(window)->font();
        // A maximised window takes the screen, whatever its size kept.
        const QSize size = window->isMaximized() ? QSize() : window->size();
        const QVariantList look { int(Theme::current()), text.pointSize(), text.family(), size, window->isMaximized() };
        window->close();
        AdventureDriver::deleteAdventureWindows();
        return look;
    }

private Q_SLOTS:
    void restoresTheLookKept_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QVariantList>("look");
        const QVariantList asToday { int(Theme::Kind::System), 14, "Harrington", QSize(858, 447), false };
        QTest::newRow("nothing kept") << QByteArray() << asToday;
        QTest::newRow("chosen") << QByteArray("[display]\ntheme=sepia\ntextStep=2\ntextFamily=DejaVu Sans\n"
                                              "[adventureWindow]\nwidth=858\nheight=520\nmaximized=0\n")
                                << QVariantList { int(Theme::Kind::Sepia), 18, "DejaVu Sans", QSize(858, 520), false };
        QTest::newRow("absurd values") << "[display]\ntheme=noir\ntextStep=99999999999\ntextFamily=" +
                QByteArray(5000, 'x') + "\n[adventureWindow]\nwidth=-858\nheight=99999999999\nmaximized=yes\n"
                                       << asToday;
        QTest::newRow("far too large") << QByteArray("[adventureWindow]\nwidth=100000\nheight=100000\n")
                                       << QVariantList { int(Theme::Kind::System), 14, "Harrington", QSize(858, 600),
                                                         false };
        QTest::newRow("maximised") << QByteArray("[adventureWindow]\nwidth=858\nheight=520\nmaximized=1\n")
                                   << QVariantList { int(Theme::Kind::System), 14, "Harrington", QSize(), true };
        QTest::newRow("a font the system lacks")
            << QByteArray("[display]\ntextFamily=Police Inexistante\n")
            << QVariantList { int(Theme::Kind::System), 14, "Police Inexistante", QSize(858, 447), false };
        QTest::newRow("larger than any kept") << "[display]\ntheme=dark\n" + QByteArray(70000, '#') << asToday;
        QTest::newRow("a pipe") << QByteArray("pipe") << asToday;
    }

    void restoresTheLookKept()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QVariantList, look);
        const QString path = ReaderSettings::filePath();
        QFile::remove(path);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (settings == "pipe")
            QVERIFY(NamedPipe::make(path));
        else if (!settings.isEmpty())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(settings) == settings.size());
        file.close();
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().height(), 600);
        QCOMPARE(lookOfANewWindow(), look);
    }

    // The choices made in the menu come back at the next start, from the file alone.
    void keepsTheChoicesForTheNextStart()
    {
        QFile::remove(ReaderSettings::filePath());
        gameBook *window = AdventureDriver::start(workspace.writeBook(QStringLiteral("livre.xml"), colouredBook));
        window->findChild<QAction *>(QStringLiteral("actionAgrandir"))->trigger();
        for (QAction *theme : window->findChild<QMenu *>(QStringLiteral("menuTheme"))->actions()) {
            if (theme->text() == QLatin1String("Sombre"))
                theme->trigger();
        }
        ModalAnswers answers;
        answers.then<QFontDialog>([](QFontDialog *dialog) {
            dialog->setCurrentFont(QFont(QStringLiteral("DejaVu Sans")));
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        window->findChild<QAction *>(QStringLiteral("actionPolice"))->trigger();
        QVERIFY(answers.allAnswered());
        window->resize(858, 520);
        window->close();
        AdventureDriver::deleteAdventureWindows();
        const QString kept = ReaderSettings::filePath() + QStringLiteral(".kept");
        QVERIFY(QFile::rename(ReaderSettings::filePath(), kept));
        QCOMPARE(lookOfANewWindow(),
                 (QVariantList { int(Theme::Kind::System), 14, "Harrington", QSize(858, 447), false }));
        QVERIFY(QFile::remove(ReaderSettings::filePath()) && QFile::rename(kept, ReaderSettings::filePath()));
        QCOMPARE(lookOfANewWindow(),
                 (QVariantList { int(Theme::Kind::Dark), 16, "DejaVu Sans", QSize(858, 520), false }));
        QFile::remove(ReaderSettings::filePath());
        Theme::choose(Theme::Kind::System);
    }

    void everyTextReadsInEveryTheme_data()
    {
        QTest::addColumn<Theme::Kind>("theme");
        for (Theme::Kind kind : Theme::all())
            QTest::newRow(qPrintable(Theme::name(kind))) << kind;
    }

    void everyTextReadsInEveryTheme()
    {
        QFETCH(Theme::Kind, theme);
        Theme::choose(theme);
        checkEveryWindow(&expectReadable);
        Theme::choose(Theme::Kind::System);
    }

    void everyControlHasAName()
    {
        checkEveryWindow([](QWidget *window) { expectNamed(QAccessible::queryAccessibleInterface(window)); });
    }

    // Tab goes from the text to the buttons, then to the sheet.
    void tabsFromTheTextToTheButtonsThenTheSheet()
    {
        gameBook *window = AdventureDriver::start(workspace.writeBook(QStringLiteral("livre.xml"), colouredBook));
        QApplication::setActiveWindow(window);
        AdventureDriver::textView(window)->setFocus();
        QStringList reached;
        for (int press = 0; press < 5; ++press) {
            reached.append(QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(reached,
                 (QStringList { "Texte du paragraphe", "Attaquer Loup", "Fuir vers la rivière", "Grimper à l'arbre",
                                "HABILETE actuelle" }));
    }

    void readsTheParagraphThenTheCaptionsAloud()
    {
        gameBook *window = AdventureDriver::start(workspace.writeBook(QStringLiteral("livre.xml"), colouredBook));
        auto *speech = new FakeSpeech;
        window->findChild<ReadAloud *>()->setEngine(speech);
        QAction *readAloud = window->findChild<QAction *>(QStringLiteral("actionLireAVoixHaute"));
        QVERIFY(readAloud->isEnabled());
        readAloud->trigger();
        for (int finished = 0; finished < 5; ++finished)
            speech->finish();
        QCOMPARE(speech->said,
                 (QStringList { AdventureDriver::shownText(window), "Attaquer Loup", "Fuir vers la rivière",
                                "Grimper à l'arbre" }));
        QVERIFY(speech->said.first().startsWith(QStringLiteral("Nuit\nEncre Marque Pâle\n")));
        // A second press stops; the next one reads from the start again.
        readAloud->trigger();
        readAloud->trigger();
        QCOMPARE(speech->stops, 1);
        speech->finish();
        QCOMPARE(speech->said.mid(4), (QStringList { speech->said.first() }));
        auto *silent = new FakeSpeech;
        silent->reason = QStringLiteral("Aucune synthèse vocale n'est installée.");
        window->findChild<ReadAloud *>()->setEngine(silent);
        QVERIFY(!readAloud->isEnabled());
        QCOMPARE(readAloud->toolTip(), silent->reason);
    }
};

Q_DECLARE_METATYPE(Theme::Kind)

VALDORIEL_TEST_MAIN(DisplayTest)
#include "tst_display.moc"
