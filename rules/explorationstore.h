#ifndef EXPLORATIONSTORE_H
#define EXPLORATIONSTORE_H

#include <QString>

struct Exploration;

// Where the reader's exploration of each book lives: one small JSON file per book in
// "exploration" of the player's data folder, apart from the saves, written whole or not at
// all.
class ExplorationStore {
public:
    // Larger files are refused unread: the most an exploration may hold takes less.
    static constexpr qint64 maximumFileSize = 16 * 1024 * 1024;

    static QString pathFor(const QString &bookPath);
    // The book's exploration; an empty one when there is none, or none that can be read.
    static Exploration read(const QString &bookPath);
    // Replaces the book's exploration; false when it cannot be written.
    static bool write(const QString &bookPath, const Exploration &exploration);
};

#endif // EXPLORATIONSTORE_H
