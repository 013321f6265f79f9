#ifndef RANDOMREADER_H
#define RANDOMREADER_H

#include "readerinput.h"

#include <QtGlobal>

#include <random>

// A reader who answers the game at random: keeps or rolls again the dice, picks any object
// and sometimes closes the list without confirming, presses any button, flees now and then.
class RandomReader : public ReaderInput {
public:
    explicit RandomReader(quint32 seed);

    int keptRoll(const QString &title, int diceCount, int attempts, DiceSource &dice) override;
    ObjectPick pickObject(const QString &kind, const QList<CombatItem> &items) override;

    // A position from 0 to count - 1; count must be positive.
    int pick(int count);
    // Asked before each press in a fight that offers flight.
    bool fleesNow();

private:
    std::mt19937 m_engine;
};

#endif // RANDOMREADER_H
