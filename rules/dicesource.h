#ifndef DICESOURCE_H
#define DICESOURCE_H

// Where the game's dice come from. The player draws from the runtime's generator; tests
// hand the game a scripted list of faces, and the checker a seeded generator.
class DiceSource {
public:
    virtual ~DiceSource() = default;

    // One six-sided die, 1 to 6.
    virtual int nextFace() = 0;

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
