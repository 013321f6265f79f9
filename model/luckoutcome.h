#ifndef LUCKOUTCOME_H
#define LUCKOUTCOME_H

#include <QString>

// Where a luck test leads for one of its two outcomes.
struct LuckOutcome {
    QString target;
    QString text;
};

#endif // LUCKOUTCOME_H
