#ifndef GAMEBOOK_H
#define GAMEBOOK_H

#include "combatitem.h"
#include "paragraph.h"

#include <QDomElement>
#include <QFile>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class Attack;
class Character;
class GameButton;
class Opponent;
class QTextEdit;
class Stat;
class Ui_gameBook;
struct FleeRule;

// The adventure window: owns one adventure from its first paragraph to its end, with the
// book's paragraphs, the hero's scores, the carried objects and the adventure sheet.
class gameBook : public QMainWindow {
    Q_OBJECT

public:
    explicit gameBook(QWidget *parent = nullptr);
    ~gameBook() override;

    void setFileName(const QString &path);
    void loadGameBook();
    void rollStartingScores();
    void refreshScores();

    void showParagraph(const QString &id);
    void clearParagraphWidgets();
    void describeMonster(const Monster &monster, QTextEdit *view);

    // Read-only views of the adventure, for tools and tests.
    const QMap<QString, Paragraph> &bookParagraphs() const;
    const QMap<QString, GameObject> &carriedObjects() const;
    const QString &visitedParagraphList() const;
    const Character *heroCharacter() const;
    const Opponent *currentOpponent() const;

private Q_SLOTS:
    void clickedButton();

private:
    void parseParagraphs();

    // Paragraph presentation.
    void applyBonus();
    void handleObjects();
    void presentMonsters(int *row, int column);
    int placeChoices(int *row, int *column);
    GameButton *makeButton(const QString &caption, const QString &type);
    GameButton *placeButton(const QString &caption, const QString &type, int row, int column);

    // Choice resolution: one rule per button type.
    void takeMeal(GameButton *button);
    void testLuck();
    void flee(const QString &target);
    void fight();
    void followChoice(const QString &target);
    void showOutcome(const QString &text, GameButton *button);
    std::unique_ptr<CombatItem> chooseCombatItem(int type, const QString &kind, const QString &defaultName);

    // Inventory.
    void addObject(const GameObject &object);
    void removeObject(const QString &name);
    void exchangeObject(const GameObject &object);
    std::vector<CombatItem> rowItems(std::optional<int> type) const;
    static QList<CombatItem *> pointersTo(std::vector<CombatItem> &items);

    Ui_gameBook *ui;
    QFile gameFile;
    // Every id shown, each followed by ","; the set answers "already visited?" in constant time.
    QString visitedParagraphs;
    QSet<QString> visitedIds;
    Character *hero = nullptr;
    Stat *habilete = nullptr;
    Stat *endurance = nullptr;
    Stat *chance = nullptr;
    Paragraph currentParagraph;
    Monster currentMonster;
    Opponent *opponent = nullptr;
    QPointer<QTextEdit> textView;
    QList<QWidget *> paragraphWidgets;
    QDomElement rootElement;
    QMap<QString, Paragraph> paragraphs;
    QMap<QString, GameObject> inventory;
    Attack *attackDialog = nullptr;
    // The records of the last fight; the combat dialog refers to them while it runs.
    std::unique_ptr<CombatItem> weapon;
    std::unique_ptr<CombatItem> armour;
    std::unique_ptr<FleeRule> fleeRule;
};

#endif // GAMEBOOK_H
