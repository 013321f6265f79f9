// Putting a paragraph on screen: its text, its first-visit effects, its monsters and one
// button per action, laid out in the play area.

#include "character.h"
#include "gamebook.h"
#include "gamebutton.h"
#include "harringtonfont.h"
#include "saturatedsum.h"
#include "ui_gamebook.h"

#include <QGridLayout>
#include <QSpinBox>
#include <QTextEdit>

namespace {

const QChar sectionSign(0x00A7);
constexpr int maximumTextSpan = 100;

// Before the first "§" is read on the first visit only.
QString visibleText(const QString &text, bool visited)
{
    if (!visited) {
        QString whole = text;
        return whole.replace(sectionSign, QLatin1Char(' '));
    }
    const int sign = text.indexOf(sectionSign);
    return sign < 0 ? text : text.mid(sign + 1);
}

} // namespace

void gameBook::showParagraph(const QString &id)
{
    const bool visited = visitedIds.contains(id);
    visitedIds.insert(id);
    visitedParagraphs += id + QLatin1Char(',');

    currentParagraph = paragraphs.value(id);
    // Widgets placed in a visible play area are laid out and repainted one by one, a cost
    // that grows with the square of their number; built hidden, they are laid out once.
    ui->gridLayoutWidget_5->hide();

    textView = new QTextEdit;
    textView->setFont(harringtonFont(14));
    textView->setText(visibleText(currentParagraph.text, visited));

    int row = 1;
    int column = 0;
    int span = 1;
    const QStringList codes = currentParagraph.type.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &code : codes) {
        if (code == QLatin1String("E"))
            placeButton(tr("Prendre un repas ?"), QStringLiteral("Eat"), row++, column);
        if (code == QLatin1String("B") && !visited)
            applyBonus();
        if (code == QLatin1String("O") && !visited)
            handleObjects();
        if (code == QLatin1String("L"))
            placeButton(tr("Tentez votre chance !"), QStringLiteral("Luck"), row, column);
        if (code == QLatin1String("A"))
            presentMonsters(&row, column);
        if (code == QLatin1String("F") && currentParagraph.fleeActive && currentParagraph.fleeRound == 1) {
            GameButton *button = placeButton(tr("Fuir"), QStringLiteral("Flee"), row++, column);
            button->setObjectName(currentParagraph.fleeRef);
        }
        if (code == QLatin1String("C"))
            span = placeChoices(&row, &column);
        if (code == QLatin1String("X") || code == QLatin1String("V"))
            placeButton(tr("Terminer"), QString(), row, column);
    }

    // The text spans one column per choice, though only the first three hold buttons.
    // Past a hundred the extra columns add nothing to see but make the grid's layout cost
    // grow with the square of the number of choices.
    ui->grid_Game->addWidget(textView, 0, 0, 1, qMin(span, maximumTextSpan));
    paragraphWidgets.append(textView);
    ui->gridLayoutWidget_5->show();
}

// Describes every monster under the text; a lone monster can be attacked.
void gameBook::presentMonsters(int *row, int column)
{
    const int monsterCount = currentParagraph.monsters.size();
    if (monsterCount == 0)
        return;
    for (int number = 1; number <= monsterCount; ++number) {
        currentMonster = currentParagraph.monsters.value(subMapKey('M', number));
        describeMonster(currentMonster, textView);
    }
    if (monsterCount == 1)
        placeButton(tr("Attaquer ") + currentMonster.name, QStringLiteral("Attack"), (*row)++, column);
}

// The first three choices stand side by side; each further one has a row of its own.
// Returns the number of choices, the columns the text spans.
int gameBook::placeChoices(int *row, int *column)
{
    const int choiceCount = currentParagraph.choices.size();
    for (int number = 1; number <= choiceCount; ++number) {
        const Choice choice = currentParagraph.choices.value(subMapKey('C', number));
        if (number <= 3) {
            *column = number - 1;
        } else {
            ++*row;
            *column = 0;
        }
        GameButton *button = placeButton(choice.text, QStringLiteral("Choice"), *row, *column);
        button->setObjectName(choice.target);
    }
    return choiceCount;
}

// Creates a wired button, places it and files it with the paragraph's widgets.
GameButton *gameBook::placeButton(const QString &caption, const QString &type, int row, int column)
{
    GameButton *button = makeButton(caption, type);
    ui->grid_Game->addWidget(button, row, column);
    paragraphWidgets.append(button);
    return button;
}

// A button without a type is "Terminer": it closes the window instead of reaching the slot.
GameButton *gameBook::makeButton(const QString &caption, const QString &type)
{
    auto *button = new GameButton(caption);
    button->setButtonType(type);
    if (type.isEmpty())
        connect(button, &QPushButton::clicked, this, &QWidget::close);
    else
        connect(button, &QPushButton::clicked, this, &gameBook::clickedButton);
    return button;
}

void gameBook::applyBonus()
{
    if (!hero)
        return; // no scores rolled yet: nothing to change
    hero->changeHabilete(currentParagraph.bonusHabilete);
    hero->changeEndurance(currentParagraph.bonusEndurance);
    hero->changeChance(currentParagraph.bonusChance);
    refreshScores();
}

void gameBook::handleObjects()
{
    const int objectCount = currentParagraph.objects.size();
    for (int number = 1; number <= objectCount; ++number) {
        const GameObject object = currentParagraph.objects.value(subMapKey('O', number));
        if (object.throwAway) {
            removeObject(object.name);
        } else if (object.exchange) {
            exchangeObject(object);
        } else {
            if (!object.name.isEmpty())
                addObject(object);
            ui->sb_Food->setValue(saturatedSum(ui->sb_Food->value(), object.food));
            ui->sb_Gold->setValue(saturatedSum(ui->sb_Gold->value(), object.gold));
        }
    }
}

void gameBook::clearParagraphWidgets()
{
    // Deferred: this runs inside the click of one of these buttons, which is read afterwards.
    // Hidden at once, so that a dialog opened next (a fight) shows over an empty play area
    // rather than over buttons that are already gone; hidden together, as they are shown.
    ui->gridLayoutWidget_5->hide();
    while (!paragraphWidgets.isEmpty()) {
        QWidget *widget = paragraphWidgets.takeFirst();
        widget->hide();
        widget->deleteLater();
    }
    ui->gridLayoutWidget_5->show();
}

void gameBook::describeMonster(const Monster &monster, QTextEdit *view)
{
    view->append(QStringLiteral("--------------------"));
    view->append(tr("Nom : ") + monster.name);
    view->append(tr("Habileté : ") + QString::number(monster.habilete));
    view->append(tr("Endurance : ") + QString::number(monster.endurance));
}
