#ifndef STAT_H
#define STAT_H

// One score: its starting value, which is also its ceiling, and its present value.
class Stat {
public:
    explicit Stat(int value);
    // A score taken up again as it stood; never above its start.
    Stat(int initial, int current);

    int initial() const;
    int current() const;

private:
    friend void addCapped(Stat *stat, int delta);

    int m_initial;
    int m_current;
};

// Moves the present value by `delta` but never above the starting value. There is no
// floor: a score may fall to 0 or below, which is how a fighter dies.
void addCapped(Stat *stat, int delta);

#endif // STAT_H
