#ifndef STAT_H
#define STAT_H

// One score: its starting value, which is also its ceiling, and its present value.
class Stat {
public:
    explicit Stat(int value);

    int initial() const;
    int current() const;
    // Moves the present value by `delta` with no bound other than the int range.
    void add(int delta);

private:
    friend void addCapped(Stat *stat, int delta);

    int m_initial;
    int m_current;
};

// Moves the present value by `delta` but never above the starting value. There is no
// floor: a score may fall to 0 or below, which is how a fighter dies.
void addCapped(Stat *stat, int delta);

#endif // STAT_H
