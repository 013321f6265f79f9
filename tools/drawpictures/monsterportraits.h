#ifndef MONSTERPORTRAITS_H
#define MONSTERPORTRAITS_H

class QImage;

// A green orc seen from the front: tusks, glowing eyes, pointed ears, spiked
// pauldrons, lit by a fire.
QImage drawOrcPortrait();

// A red dragon's head in profile, jaws open on its teeth, horns swept back,
// against a burning sky.
QImage drawDragonPortrait();

#endif // MONSTERPORTRAITS_H
