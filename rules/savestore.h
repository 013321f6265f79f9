#ifndef SAVESTORE_H
#define SAVESTORE_H

#include <QCoreApplication>
#include <QString>

struct SavedAdventure;

// Where saved adventures live: one JSON file per book in "saves" of the player's data
// folder, written whole or not at all, and read back as the untrusted file it is.
class SaveStore {
    Q_DECLARE_TR_FUNCTIONS(SaveStore)

public:
    // Larger files are refused unread: a save of any real adventure takes a few kilobytes.
    static constexpr qint64 maximumSaveSize = 16 * 1024 * 1024;

    static QString pathFor(const QString &bookPath);
    static bool exists(const QString &bookPath);
    // Replaces the book's save. False, with `error` saying in French why, when it fails.
    static bool write(const SavedAdventure &saved, QString *error);
    static bool read(const QString &bookPath, SavedAdventure *saved, QString *error);
    // The SHA-256 of the book's bytes, in hexadecimal; empty when it cannot be read.
    static QString hashOfBook(const QString &bookPath);
};

#endif // SAVESTORE_H
