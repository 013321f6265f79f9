#ifndef ADVENTURE_H
#define ADVENTURE_H

#include "fight.h"
#include "inventory.h"
#include "paragraph.h"
#include "playareacontent.h"

#include <QMap>
#include <QSet>
#include <QString>

#include <memory>

class Character;
class DiceSource;
class Opponent;
class ReaderInput;
class Stat;

// One adventure in one book: the hero's scores, gold, provisions and carried objects, the
// paragraphs visited, and every rule of the game. It knows nothing of widgets: the
// adventure window shows what it offers, and the checker plays it on its own.
class Adventure {
public:
    // Gold and provisions are held within these bounds, as the adventure sheet shows them.
    static constexpr int sheetMinimum = 0;
    static constexpr int sheetMaximum = 99;

    explicit Adventure(DiceSource *dice);
    ~Adventure();
    Adventure(const Adventure &) = delete;
    Adventure &operator=(const Adventure &) = delete;

    void setParagraphs(const QMap<QString, Paragraph> &paragraphs);
    const QMap<QString, Paragraph> &paragraphs() const;
    DiceSource &dice() const;

    // HABILETE one die + 6, ENDURANCE two dice + 12, CHANCE one die + 6, each rolled with
    // three retries. A second call starts the hero afresh.
    void rollStartingScores(ReaderInput &input);
    // Null until the starting scores are rolled; the score rules wait for them.
    const Character *hero() const;
    const Stat *habilete() const;
    const Stat *endurance() const;
    const Stat *chance() const;
    int gold() const;
    int provisions() const;
    const Inventory &inventory() const;

    // Records the visit, applies the first-visit bonuses and objects in the order of the
    // paragraph's codes, and returns what the play area shows. A move to an id the book
    // lacks says so, with one button to end; only the first paragraph shown keeps the
    // empty paragraph that books without "000" have always shown.
    PlayAreaContent enterParagraph(const QString &id, ReaderInput &input);
    bool visited(const QString &id) const;
    // Every id shown, each followed by ",".
    const QString &visitedParagraphs() const;
    const QString &currentId() const;
    const Paragraph &currentParagraph() const;
    const Monster &currentMonster() const;

    // A meal restores 2 ENDURANCE; provisions are not counted.
    void takeMeal();
    // Lucky when two dice make at most the current CHANCE; every test costs a point of
    // CHANCE. Returns the outcome, whose button leads on.
    PlayAreaContent testLuck(ReaderInput &input);
    // Every flight costs 2 ENDURANCE, and the adventure goes on whatever is left.
    void payFlight();
    // Chooses the weapon and the armour and sets up a fight against the current monster,
    // at full scores. The fight lives until the next one starts.
    Fight &startFight(ReaderInput &input);
    const Opponent *opponent() const;
    // What the play area shows once the fight is over. A fight left with both fighters
    // standing shows its paragraph again, as a later visit, so that it can be taken up again.
    PlayAreaContent endFight(ReaderInput &input);

    // The weapon (type 1) or armour (type 2) to fight with: the default when none is
    // carried, the only one without asking, or the reader's confirmed pick among several.
    CombatItem chooseCombatItem(int type, ReaderInput &input) const;

private:
    void applyArrivalEffects(ReaderInput &input);
    void applyBonus();
    void handleObject(const GameObject &object, ReaderInput &input);
    void exchangeObject(const GameObject &object, ReaderInput &input);

    DiceSource *m_dice;
    QMap<QString, Paragraph> m_paragraphs;
    std::unique_ptr<Stat> m_habilete;
    std::unique_ptr<Stat> m_endurance;
    std::unique_ptr<Stat> m_chance;
    std::unique_ptr<Character> m_hero;
    int m_gold = 0;
    int m_provisions = 0;
    Inventory m_inventory;
    QString m_visitedParagraphs;
    QSet<QString> m_visitedIds;
    QString m_currentId;
    Paragraph m_currentParagraph;
    Monster m_currentMonster;
    std::unique_ptr<Opponent> m_opponent;
    std::unique_ptr<Fight> m_fight;
};

#endif // ADVENTURE_H
