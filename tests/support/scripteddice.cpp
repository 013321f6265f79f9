#include "scripteddice.h"

ScriptedDice::ScriptedDice(const QList<int> &faces)
    : faces(faces)
{
}

int ScriptedDice::nextFace()
{
    return next < faces.size() ? faces.at(next++) : (++next, 1);
}

int ScriptedDice::drawn() const
{
    return next;
}

bool ScriptedDice::overdrawn() const
{
    return next > faces.size();
}

DiceSource::Position ScriptedDice::position() const
{
    return { 0, next };
}

void ScriptedDice::moveTo(const Position &position)
{
    if (position.known())
        next = int(position.drawn);
}
