#ifndef EXPLORATION_H
#define EXPLORATION_H

#include <QByteArray>
#include <QDateTime>
#include <QSet>
#include <QString>

// What the reader has explored of one book over all their adventures in it: the paragraphs
// read, how many adventures were begun and when it was last played. Only ids are kept, so
// that the counts follow the book as its author edits it. Kept as JSON, read back as the
// untrusted file it is, within the bounds below.
struct Exploration {
    // Past these an id is not noted, and a file holding more is refused: real books have a
    // few hundred paragraphs with ids of a few characters.
    static constexpr int maximumParagraphs = 100000;
    static constexpr int maximumIdLength = 100;
    static constexpr int maximumAdventures = 1000000;

    // Notes a paragraph read; false when it was already noted, or is past the bounds.
    bool noteRead(const QString &id);

    QByteArray toJson() const;
    // Reads what toJson writes; false, leaving `exploration` as it was, for anything else.
    static bool fromJson(const QByteArray &json, Exploration *exploration);

    QSet<QString> read;
    int adventuresBegun = 0;
    QDateTime lastPlayed;
};

#endif // EXPLORATION_H
