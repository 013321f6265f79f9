#ifndef RANDOMPLAYER_H
#define RANDOMPLAYER_H

#include "playaction.h"
#include "playareacontent.h"
#include "playreport.h"
#include "randomreader.h"
#include "seededdice.h"

class Adventure;
class BookGraph;

// Plays adventures in a book with the game's own rules, pressing buttons at random, and
// counts where they end. The adventures are played on several threads at once, each with
// dice and a reader of its own, seeded from the run's seed and its number: the same seed
// plays the same adventures, whatever the number of threads.
class RandomPlayer {
public:
    // Presses left to an adventure once no ending can be reached, before it counts as endless.
    static constexpr int maximumTrappedPresses = 100;
    // The adventure keeps every id it shows; past this many characters of them (a long
    // adventure through huge ids) it counts as endless, so that its memory stays bounded.
    static constexpr int maximumVisitedText = 16 * 1024 * 1024;
    // The work of a run, counted as ten per press, four per button laid and one per 16
    // characters of the id shown (roughly what each costs), is bounded by this much plus
    // two thousand per paragraph. A hostile book could make each press lay thousands of
    // buttons or copy huge ids; the run then stops early and plays fewer adventures: those
    // before the one during which, adventures taken in their order, the work ran out.
    static constexpr qint64 baseWorkBudget = 10000000;

    RandomPlayer(const BookGraph &graph, quint32 seed);

    // Plays up to `adventures` adventures on `threads` threads (0: one per processor); the
    // report counts those played to their end.
    PlayReport play(int adventures, int threads = 0);

private:
    struct Played {
        PlayReport report;
        qint64 work = 0;
    };

    // Adventure `number` of the run, in a player of its own; its report counts no adventure
    // when its work ran past the whole run's.
    Played playAdventure(int number) const;
    // Plays one adventure into a report of its own, which counts each paragraph it shows once.
    // False when the run's work ran out before the adventure ended.
    bool playOne(PlayReport *report);
    // Counts how the adventure ended when the reader presses an end button.
    static void countEnd(const PlayAreaContent &content, const QString &id, PlayReport *report);

    const BookGraph &m_graph;
    quint32 m_seed;
    SeededDice m_dice;
    RandomReader m_reader;
    int m_pressLimit;
    qint64 m_workLeft;
};

#endif // RANDOMPLAYER_H
