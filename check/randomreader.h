#ifndef RANDOMREADER_H
#define RANDOMREADER_H

#include "readerinput.h"

#include <QtGlobal>

#include <random>

// A reader who answers the game at random: keeps or rolls again the dice, picks any object
// and sometimes closes the list without confirming, presses any button, and in a fight
// presses on, fleeing now and then where the fight allows.
class RandomReader : public ReaderInput {
public:
    // A fight still undecided after this many presses is left, as a reader closing the
    // combat dialog would; the paragraph then offers it again.
    static constexpr int maximumFightPresses = 1000;

    explicit RandomReader(quint32 seed);

    void keepRoll(const QString &title, DiceRoll &roll) override;
    ObjectPick pickObject(const QString &kind, const QList<CombatItem> &items) override;
    void fight(Fight &fight) override;

    // A position from 0 to count - 1; count must be positive.
    int pick(int count);
    // The presses made in fights since the last call.
    int takeFightPresses();

private:
    std::mt19937 m_engine;
    int m_fightPresses = 0;
};

#endif // RANDOMREADER_H
