#ifndef FRENCHNUMBER_H
#define FRENCHNUMBER_H

#include <QString>

// Numbers as the checker's French reports write them: thousands set apart by a space
// ("1 000"), a decimal comma and a space before the percent sign ("17,9 %"). The same on
// every system and with every Qt, whose French locale changed its group separator.
QString frenchNumber(qint64 number);
// `count` as a percentage of `total`, with `decimals` decimals.
QString frenchShare(qint64 count, qint64 total, int decimals = 1);

#endif // FRENCHNUMBER_H
