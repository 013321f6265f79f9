#ifndef HEROPORTRAITS_H
#define HEROPORTRAITS_H

class QImage;

// A knight in a steel helmet with a red plume, a red shield and a raised sword,
// under a daylight sky.
QImage drawKnightPortrait();

// A bearded wizard in a pointed hat holding a glowing staff, under a starry sky.
QImage drawWizardPortrait();

#endif // HEROPORTRAITS_H
