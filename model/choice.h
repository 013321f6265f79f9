#ifndef CHOICE_H
#define CHOICE_H

#include <QString>

// One way on from a paragraph: the caption of its button and the paragraph it leads to.
struct Choice {
    QString target;
    QString text;
};

#endif // CHOICE_H
