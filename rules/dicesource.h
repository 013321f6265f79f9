#ifndef DICESOURCE_H
#define DICESOURCE_H

#include <QtGlobal>

// Where the game's dice come from. The player draws from the runtime's generator; tests
// hand the game a scripted list of faces, and the checker a seeded generator.
class DiceSource {
public:
    // Where the dice stand: the seed they started from and how many dice were drawn since,
    // so that the dice still to come can be given back. A source that cannot go back says
    // it does not know.
    struct Position {
        quint32 seed = 0;
        qint64 drawn = -1;
        bool known() const { return drawn >= 0; }
        bool operator==(const Position &other) const { return seed == other.seed && drawn == other.drawn; }
    };

    virtual ~DiceSource() = default;

    // One six-sided die, 1 to 6.
    virtual int nextFace() = 0;

    virtual Position position() const { return {}; }
    // Puts the dice back where they stood at `position`; an unknown position leaves them.
    virtual void moveTo(const Position &) { }

    // The two faces every roll of the dice dialog and every attack strength draws, first
    // then second, even when only one die counts.
    struct Pair {
        int first = 0;
        int second = 0;
        int total() const { return first + second; }
    };
    Pair drawPair();
};

#endif // DICESOURCE_H
