#ifndef CONTROLCHARACTERS_H
#define CONTROLCHARACTERS_H

#include <QByteArray>
#include <QString>

// Control characters in a book's text. XML 1.0 forbids them, but books converted from word
// processors hold some (a line break of Word is a vertical tab), and the player has always
// read them as they are. They are handed to the parser as characters of the private use
// area, which it accepts, and given back in the texts and values it reads.
class ControlCharacters {
public:
    // Replaces every control character but tab, line feed and carriage return; false when
    // `text` holds none.
    static bool hide(QString *text);
    // The same in text of whole characters in UTF-8.
    static bool hide(QByteArray *utf8);
    // Gives back the characters `hide` replaced.
    static QString restore(const QString &text);

private:
    static constexpr ushort firstStandIn = 0xf700;
};

#endif // CONTROLCHARACTERS_H
