#ifndef OPPONENT_H
#define OPPONENT_H

class Stat;

// The scores of the monster being fought. It owns its two Stats.
class Opponent {
public:
    Opponent(int habilete, int endurance);
    ~Opponent();
    Opponent(const Opponent &) = delete;
    Opponent &operator=(const Opponent &) = delete;

    int habilete() const;
    int endurance() const;
    void changeEndurance(int delta);

private:
    Stat *m_habilete;
    Stat *m_endurance;
};

#endif // OPPONENT_H
