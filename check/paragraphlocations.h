#ifndef PARAGRAPHLOCATIONS_H
#define PARAGRAPHLOCATIONS_H

#include <QHash>
#include <QString>

// Where a paragraph and its parts stand in the file. Parts are named as the loader keys
// them: "Type", "Choices", "C1", "Monster", "M1", "Luck", "Lucky", "Unlucky", "Flee",
// "Bonus", "Objects", "O1"… A part written twice keeps the line of the later one, which
// is the one the loader keeps.
struct ParagraphLocations {
    int line = 0;
    QHash<QString, int> parts;

    // The line of a part, or of the paragraph when the part is not written.
    int lineOf(const QString &part) const { return parts.value(part, line); }
};

#endif // PARAGRAPHLOCATIONS_H
