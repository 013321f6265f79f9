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
