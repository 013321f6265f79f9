// Putting what the game offers on screen: a text view and one button per action, laid out
// in the play area.

#include "adventure.h"
#include "automaticsave.h"
#include "bookcolours.h"
#include "booktextview.h"
#include "explorationrecorder.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "playareakeys.h"
#include "readaloud.h"
#include "textzoom.h"
#include "ui_gamebook.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>

void gameBook::showParagraph(const QString &id)
{
    showScreen(game->enterParagraph(id));
}

// A screen that stays on show after a press (a meal taken) only changes its buttons' state.
void gameBook::showScreen(const PlayAreaContent &content)
{
    if (content.shows == PlayAreaContent::Shows::End) {
        close();
        return;
    }
    if (content.shows == PlayAreaContent::Shows::Paragraph && exploration)
        exploration->noteRead(game->currentId());
    if (content.showing == shownScreen) {
        for (int index = 0; index < actionButtons.size() && index < content.actions.size(); ++index)
            actionButtons.at(index)->setPlayAction(content.actions.at(index));
    } else {
        // What is read aloud is what was on show.
        readAloud->stop();
        clearParagraphWidgets();
        showContent(content);
        shownScreen = content.showing;
    }
    refreshSheet();
    updateAdventureMenu();
    if (keptAutomatically)
        automaticSave->changed();
}

void gameBook::showContent(const PlayAreaContent &content)
{
    // Widgets placed in a visible play area are laid out and repainted one by one, a cost
    // that grows with the square of their number; built hidden, they are laid out once.
    ui->gridLayoutWidget_5->hide();
    textView = new BookTextView(gameFile.fileName());
    textView->setAccessibleName(tr("Texte du paragraphe"));
    textView->setFont(TextZoom::textFont());
    textView->setText(content.text);
    for (const Monster &monster : content.monsters)
        describeMonster(monster, textView);
    for (const QString &note : content.notes)
        textView->append(note);
    BookColours::makeReadable(textView->document(), textView->palette());
    // The columns that hold buttons share the width. The text spans no column past them
    // (nor, for a span of 0, to the grid's last column): such a column would hold nothing
    // but the grid's spacing, a hundred of which would widen the text beyond the window.
    int columnsInUse = 1;
    for (const PlayAction &action : content.actions)
        columnsInUse = qMax(columnsInUse, action.column + 1);
    const int textSpan = content.textSpan > 0 ? qMin(content.textSpan, columnsInUse) : columnsInUse;
    ui->grid_Game->addWidget(textView, 0, 0, 1, textSpan);
    paragraphWidgets.append(textView);
    for (int column = 0; column < ui->grid_Game->columnCount(); ++column) {
        const int stretch = column < columnsInUse ? 1 : 0;
        if (ui->grid_Game->columnStretch(column) != stretch)
            ui->grid_Game->setColumnStretch(column, stretch);
    }
    for (const PlayAction &action : content.actions)
        placeButton(action);
    ui->playArea->verticalScrollBar()->setValue(0);
    ui->gridLayoutWidget_5->show();
    orderFocus();
}

// Tab goes from the text to the buttons in reading order, then over the sheet; the first
// button has the focus.
void gameBook::orderFocus()
{
    textView->setTabChangesFocus(true);
    const QList<GameButton *> buttons = keys->buttonsInReadingOrder();
    QList<QWidget *> order { textView };
    for (GameButton *button : buttons)
        order.append(button);
    order += { ui->sb_Habilete, ui->sb_maxHabilete, ui->sb_Endurance,   ui->sb_maxEndurance,
               ui->sb_Chance,   ui->sb_maxChance,   ui->listEquipments, ui->sb_Gold,
               ui->sb_Food,     ui->listPotions,    ui->pb_MonsterList };
    for (int index = 1; index < order.size(); ++index)
        setTabOrder(order.at(index - 1), order.at(index));
    if (!buttons.isEmpty())
        buttons.first()->setFocus();
}

QStringList gameBook::textsToRead() const
{
    QStringList texts;
    if (textView)
        texts.append(textView->toPlainText());
    for (GameButton *button : keys->buttonsInReadingOrder())
        texts.append(button->text());
    return texts;
}

void gameBook::placeButton(const PlayAction &action)
{
    auto *button = new GameButton(action.caption);
    button->setPlayAction(action);
    connect(button, &QPushButton::clicked, this, &gameBook::clickedButton);
    ui->grid_Game->addWidget(button, action.row, action.column);
    paragraphWidgets.append(button);
    actionButtons.append(button);
}

void gameBook::clearParagraphWidgets()
{
    // Deferred: this runs inside the click of one of these buttons, which is read afterwards.
    // Hidden at once, so that a dialog opened next (a fight) shows over an empty play area
    // rather than over buttons that are already gone; hidden together, as they are shown.
    // The focus waits on the play area for the next buttons rather than pass to the sheet.
    if (ui->playArea->isAncestorOf(QApplication::focusWidget()))
        ui->playArea->setFocus();
    ui->gridLayoutWidget_5->hide();
    while (!paragraphWidgets.isEmpty()) {
        QWidget *widget = paragraphWidgets.takeFirst();
        widget->hide();
        widget->deleteLater();
    }
    actionButtons.clear();
    ui->gridLayoutWidget_5->show();
}

void gameBook::describeMonster(const Monster &monster, QTextEdit *view)
{
    view->append(QStringLiteral("--------------------"));
    view->append(tr("Nom : ") + monster.name);
    view->append(tr("Habileté : ") + QString::number(monster.habilete));
    view->append(tr("Endurance : ") + QString::number(monster.endurance));
}
