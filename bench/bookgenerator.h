#ifndef BOOKGENERATOR_H
#define BOOKGENERATOR_H

#include <QByteArray>
#include <QString>

// The shape of a synthetic book. Paragraph "000" can be made heavier than the others to
// measure the cost of one large paragraph.
struct BookShape {
    int paragraphCount = 100;
    int textBytes = 400;
    int firstChoiceCount = 3;
    int firstTextBytes = 400;
};

// Writes a valid book: every paragraph reachable from "000", the last one an ending, and
// along the way objects, fights with a flight, luck tests, bonuses and meals.
// Returns the file size in bytes, or -1 when the file cannot be written.
qint64 writeBook(const QString &path, const BookShape &shape);

// Writes `head`, then `unit` repeated over `fillerBytes` (the last copy may be cut), then
// `tail`, in large blocks so that gigabytes are written quickly. False when writing fails.
bool writeFilledFile(const QString &path, const QByteArray &head, const QByteArray &unit, qint64 fillerBytes,
                     const QByteArray &tail = QByteArray());

// The id of paragraph `number`: at least three digits, "000" first.
QString paragraphId(int number);

#endif // BOOKGENERATOR_H
