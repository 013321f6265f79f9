#ifndef UTF8BLOCKS_H
#define UTF8BLOCKS_H

#include <QByteArray>

// Blocks of UTF-8 that can be handed on as they are: every decoder reads well-formed UTF-8
// alike, so such a block needs no decoding and encoding again on its way to the parser.
class Utf8Blocks {
public:
    // The length of the start of `bytes` made of whole, well-formed characters, leaving a
    // character cut by the end of the block for the next one; -1 when the bytes hold
    // anything else, which only a decoder reads as the player always has: a byte that is
    // not UTF-8, a character cut by the end of the file (`last`), a byte order mark, or
    // U+FFFE or U+FFFF.
    static int wholeCharacters(const QByteArray &bytes, bool last);
};

#endif // UTF8BLOCKS_H
