#include "bookinput.h"

#include "controlcharacters.h"
#include "utf8blocks.h"

#include <QRegularExpression>

BookInput::BookInput(QIODevice *source, EntityBudget *budget)
    : source(source)
    , budget(budget)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool BookInput::isSequential() const
{
    return true;
}

bool BookInput::atEnd() const
{
    return ended && pendingOffset >= pending.size();
}

bool BookInput::overBudget() const
{
    return budgetExceeded;
}

bool BookInput::hidControlCharacters() const
{
    return hidControls;
}

void BookInput::follow(const QXmlStreamReader &reader, QXmlStreamReader::TokenType token)
{
    if (declarationsLearned || (token != QXmlStreamReader::DTD && token != QXmlStreamReader::StartElement))
        return;
    declarationsLearned = true;
    budget->learnDeclarations(reader);
    blockSize = 64 * 1024;
}

qint64 BookInput::readData(char *data, qint64 maximumSize)
{
    while (pendingOffset >= pending.size() && !ended) {
        pending.resize(0);
        pendingOffset = 0;
        ended = !readBlock();
    }
    const qint64 size = qMin<qint64>(maximumSize, pending.size() - pendingOffset);
    memcpy(data, pending.constData() + pendingOffset, size_t(size));
    pendingOffset += int(size);
    return size;
}

namespace {

QByteArray utf8Of(const QString &characters)
{
    return characters.toUtf8();
}

QByteArray utf8Of(const QByteArray &characters)
{
    return characters;
}

} // namespace

// Reads the next block into `pending`; false at the end of the file, or once the input is
// cut short.
bool BookInput::readBlock()
{
    QByteArray read = source->read(blockSize);
    const bool first = !started;
    if (first) {
        // Enough of the start to hold the XML declaration.
        while (read.size() < 4096 && !source->atEnd()) {
            const QByteArray more = source->read(4096 - read.size());
            if (more.isEmpty())
                break;
            read += more;
        }
        if (read.isEmpty())
            return false;
        started = true;
        decoder.start(read);
        passingUtf8 = decoder.readsUtf8();
    }
    const bool last = read.isEmpty() || source->atEnd();
    QByteArray bytes = carried + read;
    carried.clear();
    const bool readSomething = !bytes.isEmpty();
    if (passingUtf8) {
        // The decoder reads the first block, and every block once one is not well-formed.
        const int byteOrderMark = first && bytes.startsWith("\xef\xbb\xbf") ? 3 : 0;
        const int whole = Utf8Blocks::wholeCharacters(bytes.mid(byteOrderMark), last);
        passingUtf8 = whole >= 0;
        if (passingUtf8) {
            carried = bytes.mid(byteOrderMark + whole);
            bytes.truncate(byteOrderMark + whole);
        }
    }
    if (first)
        return handOver(firstCharacters(bytes), last, readSomething);
    if (passingUtf8)
        return handOver(bytes, last, readSomething);
    return handOver(decoder.decode(bytes), last, readSomething);
}

template <typename Block>
bool BookInput::handOver(const Block &block, bool last, bool readSomething)
{
    Block characters = references.writeOut(block, last);
    if (characters.isEmpty())
        return readSomething;
    if (!budget->admit(characters)) {
        budgetExceeded = true;
        return false;
    }
    hidControls = ControlCharacters::hide(&characters) || hidControls;
    pending = utf8Of(characters);
    return true;
}

// The first block's characters, without a byte order mark.
QString BookInput::firstCharacters(const QByteArray &head)
{
    QString characters = decoder.decode(head);
    if (characters.startsWith(QChar(0xfeff)))
        characters.remove(0, 1);
    if (characters.startsWith(QLatin1String("<?xml")))
        nameTheEncoding(&characters);
    return characters;
}

// The XML declaration names the encoding the characters are handed over in. Its version is
// read as 1.0, as the player always has, unless it holds a '<', which the player refused.
void BookInput::nameTheEncoding(QString *characters)
{
    const int end = characters->indexOf(QLatin1String("?>"));
    for (const auto &[name, value] : { std::pair { "encoding", "UTF-8" }, std::pair { "version", "1.0" } }) {
        const QRegularExpression pseudoAttribute(
            QStringLiteral("\\s%1\\s*=\\s*[\"']([^\"'<]*)[\"']").arg(QLatin1String(name)));
        const QRegularExpressionMatch match = pseudoAttribute.match(characters->left(qMax(end, 0)));
        if (match.hasMatch())
            characters->replace(match.capturedStart(1), match.capturedLength(1), QLatin1String(value));
    }
}

qint64 BookInput::writeData(const char *, qint64)
{
    return -1;
}
