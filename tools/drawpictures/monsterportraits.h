#ifndef MONSTERPORTRAITS_H
#define MONSTERPORTRAITS_H

class QImage;

// Each portrait is drawn `scale` times as large as the combat dialog shows it, for dense screens.

// A green orc seen from the front: tusks, glowing eyes, pointed ears, spiked
// pauldrons, lit by a fire.
QImage drawOrcPortrait(int scale);

// A red dragon's head in profile, jaws open on its teeth, horns swept back,
// against a burning sky.
QImage drawDragonPortrait(int scale);

#endif // MONSTERPORTRAITS_H
