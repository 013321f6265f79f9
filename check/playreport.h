#ifndef PLAYREPORT_H
#define PLAYREPORT_H

#include <QMap>
#include <QString>

#include <utility>

// How a run of random adventures in one book went. Counts are of adventures.
struct PlayReport {
    int adventures = 0;
    quint32 seed = 0;
    QMap<QString, int> endings; // by the id of the ending paragraph reached
    int defeats = 0;
    // By the paragraph where they stopped: no button left to press, a way to a paragraph
    // the book lacks, or no end in sight (no ending reachable, or too many presses).
    QMap<QString, int> stuck;
    QMap<QString, int> missing;
    QMap<QString, int> endless;
    // By every id shown, those the book lacks included: the adventures that showed it.
    QMap<QString, int> visits;

    // Adds the adventures of `other`, whatever its seed.
    void add(const PlayReport &other)
    {
        adventures += other.adventures;
        for (auto counts : { std::make_pair(&endings, &other.endings), std::make_pair(&stuck, &other.stuck),
                             std::make_pair(&missing, &other.missing), std::make_pair(&endless, &other.endless),
                             std::make_pair(&visits, &other.visits) }) {
            for (auto count = counts.second->cbegin(); count != counts.second->cend(); ++count)
                (*counts.first)[count.key()] += count.value();
        }
        defeats += other.defeats;
    }
};

#endif // PLAYREPORT_H
