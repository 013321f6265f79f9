#ifndef BOOKOUTLINEREADER_H
#define BOOKOUTLINEREADER_H

#include "bookoutline.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class QThread;

// Reads books for the library through the player's own loader, away from the window's
// thread, so that a book of any size never holds the list: one book at a time, the last one
// asked for next, and each outline kept while its file keeps its size and time of change.
class BookOutlineReader : public QObject {
    Q_OBJECT

public:
    // Outlines kept at most: each holds the ids of a book's paragraphs.
    static constexpr int maximumKept = 16;

    explicit BookOutlineReader(QObject *parent = nullptr);
    // Waits for the book under way.
    ~BookOutlineReader() override;

    // The outline of the book as it is now, when known; otherwise the book is read and
    // `outlineRead` follows.
    std::optional<BookOutline> outline(const QString &path);
    // Read through the loader, in whichever thread calls it.
    static BookOutline read(const QString &path);

Q_SIGNALS:
    void outlineRead(const QString &path);

private:
    struct Stamp {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp &other) const { return size == other.size && modified == other.modified; }
    };
    struct Kept {
        Stamp stamp;
        BookOutline outline;
    };

    static Stamp stampOf(const QString &path);
    void start(const QString &path);
    void finish(const QString &path, const Stamp &stamp, const BookOutline &outline);

    QHash<QString, Kept> kept;
    QThread *worker = nullptr;
    // The book to read once the one under way is done.
    QString next;
};

#endif // BOOKOUTLINEREADER_H
