#ifndef BOOKINPUT_H
#define BOOKINPUT_H

#include "characterreferences.h"
#include "entitybudget.h"
#include "textdecoder.h"

#include <QByteArray>
#include <QIODevice>
#include <QXmlStreamReader>

// The characters of a book as the parser reads them: decoded here from the file's bytes, the
// references XML forbids but books hold written out, each block scanned by the entity budget, then handed over in
// UTF-8, the XML declaration saying so. Blocks of well-formed UTF-8 after the first are
// scanned and handed over as they are, without decoding. Past the budget the input ends early, which fails the parse. Until the
// document's declarations are known, blocks are small, so that few references of the block where they end are charged
// as unknown.
class BookInput : public QIODevice {
    Q_OBJECT

public:
    BookInput(QIODevice *source, EntityBudget *budget);

    bool isSequential() const override;
    bool atEnd() const override;
    // True once the input ended early, past the entity budget.
    bool overBudget() const;
    // True once control characters were handed over hidden.
    bool hidControlCharacters() const;
    // Follows the parser reading these characters, token by token: once the document's
    // declarations are known (at the declaration of its type, or at its first element when
    // it has none), references are charged by what they expand to, and blocks may grow.
    void follow(const QXmlStreamReader &reader, QXmlStreamReader::TokenType token);

protected:
    qint64 readData(char *data, qint64 maximumSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool readBlock();
    // Writes out the references of the next block, charges it to the budget and makes it
    // the bytes to hand over; false once past the budget, or when it gives nothing and
    // nothing was read.
    template <typename Block>
    bool handOver(const Block &block, bool last, bool readSomething);
    QString firstCharacters(const QByteArray &head);
    static void nameTheEncoding(QString *characters);

    QIODevice *source;
    EntityBudget *budget;
    TextDecoder decoder;
    CharacterReferences references;
    bool started = false;
    bool ended = false;
    bool budgetExceeded = false;
    bool declarationsLearned = false;
    bool hidControls = false;
    bool passingUtf8 = false; // while the file's bytes are well-formed UTF-8
    QByteArray carried; // the start of a character cut by the end of the last block
    qint64 blockSize = 4096;
    QByteArray pending; // read, not yet handed over
    int pendingOffset = 0;
};

#endif // BOOKINPUT_H
