#ifndef ADVENTURE_H
#define ADVENTURE_H

#include "adventurehistory.h"
#include "adventuresnapshot.h"
#include "fight.h"
#include "inventory.h"
#include "paragraph.h"
#include "playareacontent.h"
#include "visitlog.h"
#include "way.h"

#include <QList>
#include <QMap>
#include <QString>

#include <memory>

class Character;
class DiceSource;
class Opponent;
class ReaderInput;
class Stat;

// One adventure in one book: the hero's scores, gold, provisions and carried objects, the
// paragraphs visited, the screen on show, every rule of the game, and the history of the
// adventure's screens. It knows nothing of widgets: it says what the play area shows and
// takes the reader's presses, so that the adventure window, the checker and the tests play
// it alike.
class Adventure {
public:
    // Gold and provisions are held within these bounds, as the adventure sheet shows them.
    static constexpr int sheetMinimum = 0;
    static constexpr int sheetMaximum = 99;

    // The game draws from `dice` and asks `input` whatever the reader decides; both must
    // outlive the adventure.
    Adventure(DiceSource *dice, ReaderInput *input);
    ~Adventure();
    Adventure(const Adventure &) = delete;
    Adventure &operator=(const Adventure &) = delete;

    void setParagraphs(const QMap<QString, Paragraph> &paragraphs);
    const QMap<QString, Paragraph> &paragraphs() const;

    // HABILETE one die + 6, ENDURANCE two dice + 12, CHANCE one die + 6, each rolled with
    // three retries. A second call starts the hero afresh.
    void rollStartingScores();
    // Null until the starting scores are rolled; the score rules wait for them.
    const Character *hero() const;
    const Stat *habilete() const;
    const Stat *endurance() const;
    const Stat *chance() const;
    int gold() const;
    int provisions() const;
    const Inventory &inventory() const;

    // Shows a paragraph: records the visit, applies the first-visit bonuses and objects in
    // the order of the paragraph's codes, and lays out its buttons. A move to an id the book
    // lacks says so, with one button to end; only an opening on "000" keeps the empty
    // paragraph that books without it have always shown.
    PlayAreaContent enterParagraph(const QString &id);
    // The reader pressed one of the buttons on show: the game applies its rule and says what
    // the play area shows next. A press of anything not on show, or not enabled, changes
    // nothing; so does any press but a choice or an end before the hero is rolled.
    PlayAreaContent press(const PlayAction &action);
    const PlayAreaContent &screen() const;
    // Over: a defeat, or a screen that offers nothing but its end.
    bool hasEnded() const;

    // The history: once the hero is rolled, each paragraph entered and each press taken is a
    // step, its dialogs included. Going back to a step puts the adventure back as it stood
    // there, the sheet, the objects, the visits, the screen and the dice still to come; a
    // new press drops the steps ahead.
    int step() const;
    int steps() const;
    bool canStepBack() const;
    bool canStepForward() const;
    PlayAreaContent stepBack();
    PlayAreaContent stepForward();
    PlayAreaContent returnTo(int step);
    // Going back leaves the dice as they are, for readers who want fresh rolls.
    void setFreshDiceOnReturn(bool fresh);
    bool freshDiceOnReturn() const;

    // One screen of the history: the steps that showed it (a meal leaves its screen on
    // show), its paragraph and its text.
    struct JournalEntry {
        int firstStep = 0;
        int lastStep = 0;
        QString paragraph;
        QString text;
    };
    QList<JournalEntry> journal() const;

    bool visited(const QString &id) const;
    // Every id shown, each followed by ",".
    const QString &visitedParagraphs() const;
    const QString &currentId() const;
    const Paragraph &currentParagraph() const;
    const Monster &currentMonster() const;
    // The monster of the last fight, at the scores it ended with.
    const Opponent *opponent() const;

    // Takes the book's paragraphs anew, as an author edits them: the hero, the objects and
    // the visits stay, and a paragraph on show is laid out again from its new version as the
    // same visit, without its arrival effects, a meal taken staying taken. Any other screen
    // stays as it is.
    PlayAreaContent reread(const QMap<QString, Paragraph> &paragraphs);

    // The adventure as it stands between two presses, its history included, and the same
    // taken up again, on the paragraphs set, without rolling anything, its dice where they
    // stood. The snapshot needs a step; one without any is not taken up.
    AdventureSnapshot snapshot() const;
    void restore(const AdventureSnapshot &snapshot);

private:
    PlayAreaContent enter(const QString &id);
    // The screen of the current paragraph on this visit, or of its absence.
    PlayAreaContent layCurrent(bool laterVisit);
    PlayAreaContent show(const PlayAreaContent &content);
    PlayAreaContent applyRule(const PlayAction &action, int index);
    // Adds the adventure as it now stands to the history, once the hero is rolled.
    void record();
    Moment moment();
    void apply(const Moment &moment, bool moveDice);
    void applyArrivalEffects();
    void applyBonus();
    void handleObject(const GameObject &object);
    void exchangeObject(const GameObject &object);
    PlayAreaContent testLuck(const QList<Way> &ways);
    PlayAreaContent fight(const QList<Way> &ways);
    // The weapon (type 1) or armour (type 2) to fight with: the default when none is
    // carried, the only one without asking, or the reader's confirmed pick among several.
    CombatItem chooseCombatItem(int type) const;
    void setHero(const Stat &habilete, const Stat &endurance, const Stat &chance);

    DiceSource *m_dice;
    ReaderInput *m_input;
    QMap<QString, Paragraph> m_paragraphs;
    std::unique_ptr<Stat> m_habilete;
    std::unique_ptr<Stat> m_endurance;
    std::unique_ptr<Stat> m_chance;
    std::unique_ptr<Character> m_hero;
    int m_gold = 0;
    int m_provisions = 0;
    Inventory m_inventory;
    // Where the history keeps the carried objects as they are; -1 once they changed.
    int m_inventoryIndex = -1;
    VisitLog m_visits;
    QString m_currentId;
    Paragraph m_currentParagraph;
    Monster m_currentMonster;
    PlayAreaContent m_screen;
    std::unique_ptr<Opponent> m_opponent;
    std::unique_ptr<Fight> m_fight;
    AdventureHistory m_history;
    bool m_freshDiceOnReturn = false;
};

#endif // ADVENTURE_H
