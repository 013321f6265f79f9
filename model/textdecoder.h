#ifndef TEXTDECODER_H
#define TEXTDECODER_H

#include <QByteArray>
#include <QString>

#include <memory>

// Decodes a document's bytes block by block in the encoding XML tells from its start: a
// byte order mark, the '<' of the document in UTF-16 or UTF-32, the XML declaration's
// `encoding`, UTF-8 otherwise. Bytes that the encoding cannot decode become U+FFFD, as they
// always have in the player, so that a book with a stray byte still reads; a document in
// an encoding this Qt does not know is read as UTF-8, as it always has.
class TextDecoder {
public:
    TextDecoder();
    ~TextDecoder();

    // Chooses the encoding from the document's first bytes.
    void start(const QByteArray &head);
    // The characters of the next block; a character cut by the end of a block comes whole
    // with the next one.
    QString decode(const QByteArray &block);
    // True when the encoding chosen is UTF-8.
    bool readsUtf8() const;

private:
    struct State;
    std::unique_ptr<State> state;
};

#endif // TEXTDECODER_H
