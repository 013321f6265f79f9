#ifndef HEROPORTRAITS_H
#define HEROPORTRAITS_H

class QImage;

// Each portrait is drawn `scale` times as large as the combat dialog shows it, for dense screens.

// A knight in a steel helmet with a red plume, a red shield and a raised sword,
// under a daylight sky.
QImage drawKnightPortrait(int scale);

// A bearded wizard in a pointed hat holding a glowing staff, under a starry sky.
QImage drawWizardPortrait(int scale);

#endif // HEROPORTRAITS_H
