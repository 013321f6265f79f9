// A book shaped like the published ones (long paragraphs of HTML, captions that are whole
// sentences, three of them side by side) read in the adventure window as a reader sees it:
// nothing is cut at the right or hidden sideways, at the opening size and enlarged, and the
// text can be made larger for good.

#include "adventure.h"
#include "adventuredriver.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "modalanswers.h"
#include "testmain.h"

namespace {

const QString book = TestWorkspace::repositoryFile(QStringLiteral("tests/books/la-foret-des-murmures.xml"));

// True when `caption`, wrapped at the width of `area` (inside a word only when the word is
// wider than a line), fits in it.
bool fits(const QString &caption, const QFont &font, const QRect &area)
{
    QTextLayout layout(caption, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    bool narrowEnough = true;
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        narrowEnough = narrowEnough && line.naturalTextWidth() <= area.width();
        height += line.height();
    }
    layout.endLayout();
    return narrowEnough && height <= area.height();
}

} // namespace

class ReadabilityTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void showsEveryParagraphWhole_data()
    {
        QTest::addColumn<QSize>("windowSize");
        QTest::newRow("opening size") << QSize(858, 447);
        QTest::newRow("1280 x 800") << QSize(1280, 800);
    }

    void showsEveryParagraphWhole()
    {
        QFETCH(QSize, windowSize);
        ModalAnswers answers;
        answers.alwaysFor("InventoryChoice",
                          [](QWidget *dialog) { QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection); });
        gameBook *window = AdventureDriver::start(book);
        window->resize(windowSize);
        auto *area = window->findChild<QScrollArea *>();
        // The play area takes the room the window gains; the sheet keeps its width.
        QCOMPARE(window->findChild<QWidget *>(QStringLiteral("gridLayoutWidget"))->width(), 501);
        for (const QString &id : window->adventure().paragraphs().keys()) {
            window->clearParagraphWidgets();
            AdventureDriver::settle();
            window->showParagraph(id);
            QCoreApplication::processEvents();
            const QByteArray where = "paragraph " + id.toUtf8();
            QTextEdit *text = AdventureDriver::textView(window);
            QVERIFY2(area->horizontalScrollBar()->maximum() == 0 && text->horizontalScrollBar()->maximum() == 0, where);
            QVERIFY2(text->width() >= 250, where);
            QGridLayout *grid = AdventureDriver::playGrid(window);
            for (int index = 0; index < grid->count(); ++index) {
                QWidget *widget = grid->itemAt(index)->widget();
                const int left = widget->mapTo(area->viewport(), QPoint(0, 0)).x();
                QVERIFY2(left >= 0 && left + widget->width() <= area->viewport()->width(), where);
            }
            for (GameButton *button : AdventureDriver::buttons(window))
                QVERIFY2(button->rect().contains(button->captionRect()) &&
                             fits(button->text(), button->font(), button->captionRect()),
                         where + ": " + button->text().toUtf8());
        }
        QCOMPARE(window->size(), windowSize);
        QVERIFY(window->adventure().paragraphs().size() >= 40 && !answers.timedOut());
    }

    void zoomsTheTextForTheNextParagraphsToo()
    {
        gameBook *window = AdventureDriver::start(book);
        QCoreApplication::processEvents();
        const auto textPoints = [window] { return AdventureDriver::textView(window)->font().pointSize(); };
        const int normalHeight = AdventureDriver::textView(window)->height();
        const int normalPoints = textPoints();

        // The keys work where the focus is: on the first button.
        QApplication::setActiveWindow(window);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Equal, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QVERIFY(AdventureDriver::textView(window)->height() > normalHeight);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
        AdventureDriver::settle();
        QCOMPARE(window->adventure().visitedParagraphs().count(QLatin1Char(',')), 2);
        QCOMPARE(textPoints(), normalPoints + 4);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(textPoints(), normalPoints + 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(textPoints(), normalPoints);
    }
};

VALDORIEL_TEST_MAIN(ReadabilityTest)
#include "tst_readability.moc"
