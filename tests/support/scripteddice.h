#ifndef SCRIPTEDDICE_H
#define SCRIPTEDDICE_H

#include "dicesource.h"

#include <QList>

// Dice that give the faces a test scripted, in order. Past the script every die is a 1,
// and `overdrawn` tells that the code drew more dice than the test expected.
class ScriptedDice : public DiceSource {
public:
    explicit ScriptedDice(const QList<int> &faces = {});

    int nextFace() override;
    // Where the script stands, to be given back on a step back.
    Position position() const override;
    void moveTo(const Position &position) override;
    int drawn() const;
    bool overdrawn() const;

private:
    QList<int> faces;
    int next = 0;
};

#endif // SCRIPTEDDICE_H
