#ifndef READERSETTINGS_H
#define READERSETTINGS_H

#include <QSize>
#include <QString>
#include <QVariant>

class QWidget;

// The reader's choices of display, kept with QSettings in valdoriel/valdoriel.conf of the
// reader's configuration folder ($XDG_CONFIG_HOME, by default ~/.config): the text size,
// the theme, the paragraphs' font and the adventure window's size and state. The file is
// untrusted: one that is not a regular file or is larger than any the player writes is not
// read, and is replaced at the next choice; every value is checked where it is read.
class ReaderSettings {
public:
    static constexpr qint64 maximumFileSize = 64 * 1024;
    // Longer strings are taken for nothing kept.
    static constexpr int maximumTextLength = 200;

    static QString filePath();

    // What is kept under `key`, or an invalid value when nothing usable is.
    static int integer(const QString &key, int fallback);
    static QString text(const QString &key);
    static void setValue(const QString &key, const QVariant &value);

    // Gives the adventure window the size kept, within the screen it opens on, and its
    // maximised state; a window with nothing kept keeps its own size.
    static void restoreWindow(QWidget *window);
    static void keepWindow(const QWidget *window);
};

#endif // READERSETTINGS_H
