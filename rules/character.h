#ifndef CHARACTER_H
#define CHARACTER_H

class Stat;

// The hero's three scores. The adventure window owns the Stats; the Character only uses them.
class Character {
public:
    Character(Stat *habilete, Stat *endurance, Stat *chance);

    int habilete() const;
    int endurance() const;
    int chance() const;

    void changeHabilete(int delta);
    void changeEndurance(int delta);
    void changeChance(int delta);

private:
    Stat *m_habilete;
    Stat *m_endurance;
    Stat *m_chance;
};

#endif // CHARACTER_H
