// An adventure played from the keyboard alone: real keys to whatever widget has the focus.

#include "adventuredriver.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "modalanswers.h"
#include "testmain.h"

namespace {

// Presses a key on the widget that has the focus, from the event loop, so that a dialog the
// key opens runs its own loop outside the answer that pressed it.
void pressLater(Qt::Key key)
{
    QTimer::singleShot(0, [key] {
        if (QWidget *focused = QApplication::focusWidget())
            QTest::keyClick(focused, key);
    });
}

// Presses a key on the focused widget of the adventure window, made active again as a window
// manager does when a dialog closes.
void press(gameBook *window, Qt::Key key)
{
    QApplication::setActiveWindow(window);
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), key);
    AdventureDriver::settle();
}

} // namespace

class KeyboardTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void playsWithoutTheMouse()
    {
        gameBook *window = AdventureDriver::start(workspace.writeParagraphs(R"(
            <Attr id="000"><Text>Une auberge.</Text><Type>B,E,C</Type><Bonus Endurance="-4"/>
              <Choices><C Value="100">Au pont</C><C Value="000">Dormir</C></Choices></Attr>
            <Attr id="100"><Text>Un pont.</Text><Type>L</Type>
              <Luck><Lucky Value="200">Il tient.</Lucky><Unlucky Value="200">Il tremble.</Unlucky></Luck></Attr>
            <Attr id="200"><Text>Un rat.</Text><Type>A</Type>
              <Monster><M Name="Rat" Habilete="-20" Endurance="2" Value="300"/></Monster></Attr>
            <Attr id="300"><Text>La fin.</Text><Type>X</Type></Attr>)"));
        const int endurance = AdventureDriver::sheetValue(window, "sb_Endurance");

        // The digits count the enabled buttons in reading order: the meal first, then the choices.
        press(window, Qt::Key_1);
        QCOMPARE(AdventureDriver::sheetValue(window, "sb_Endurance"), endurance + 2);
        QVERIFY(!AdventureDriver::button(window, QStringLiteral("Prendre un repas ?"))->isEnabled());
        // Typed into the editable text, a digit beyond the buttons changes nothing.
        AdventureDriver::textView(window)->setFocus();
        press(window, Qt::Key_9);
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Une auberge."));
        press(window, Qt::Key_1);
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Un pont."));

        // Enter presses a lone button, in the play area and in each dialog.
        ModalAnswers answers;
        answers.thenFor("LaunchDeuce", [](QWidget *) { pressLater(Qt::Key_Return); });
        press(window, Qt::Key_Return);
        QVERIFY(answers.allAnswered());
        QCOMPARE(AdventureDriver::captions(window), QStringList { "Continuer" });
        press(window, Qt::Key_Enter);
        QCOMPARE(AdventureDriver::captions(window), QStringList { "Attaquer Rat" });

        // In the fight, Space presses the focused attack button, then Enter the round's message box.
        answers.thenFor("Attack", [](QWidget *) { pressLater(Qt::Key_Space); });
        answers.thenFor("Attack", [](QWidget *) { pressLater(Qt::Key_Space); });
        answers.thenFor("QMessageBox", [](QWidget *) { pressLater(Qt::Key_Return); });
        press(window, Qt::Key_Return);
        QVERIFY(answers.allAnswered());
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("Vous avez été victorieux."));
        press(window, Qt::Key_Return);
        QCOMPARE(AdventureDriver::shownText(window), QStringLiteral("La fin."));
        press(window, Qt::Key_2);
        QVERIFY(window->isVisible());
        press(window, Qt::Key_1);
        QVERIFY(!window->isVisible());
    }
};

VALDORIEL_TEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
