#include "characterreferences.h"

#include "unitsearch.h"


namespace {

// Long enough for any reference of a character, "&#x0010FFFF;" and beyond.
constexpr int longestReference = 16;

bool isWrittenOut(int code)
{
    return code > 0 && code < 0x20 && code != '\t' && code != '\n' && code != '\r';
}

bool isHighSurrogate(int code)
{
    return code >= 0xd800 && code <= 0xdbff;
}

bool isLowSurrogate(int code)
{
    return code >= 0xdc00 && code <= 0xdfff;
}

// The code units of both forms of text, compared with ASCII alone: every character that
// matters here is ASCII, and in UTF-8 no byte of another character is.
ushort unitAt(const QString &text, int index)
{
    return text.at(index).unicode();
}

ushort unitAt(const QByteArray &text, int index)
{
    return uchar(text.at(index));
}

const ushort *codeUnits(const QString &text)
{
    return text.utf16();
}

const uchar *codeUnits(const QByteArray &text)
{
    return reinterpret_cast<const uchar *>(text.constData());
}

template <typename Text>
bool startsAt(const Text &text, int position, const char *marker)
{
    for (int offset = 0; marker[offset] != '\0'; ++offset) {
        if (position + offset >= text.size() || unitAt(text, position + offset) != uchar(marker[offset]))
            return false;
    }
    return true;
}

int digitValue(ushort unit, int base)
{
    const int value = unit >= '0' && unit <= '9' ? unit - '0'
        : unit >= 'a' && unit <= 'f'             ? unit - 'a' + 10
        : unit >= 'A' && unit <= 'F'             ? unit - 'A' + 10
                                                 : 99;
    return value < base ? value : -1;
}

// The reference at `start` of `text`, as a character number; -1 when there is none or when
// the text ends before it does (then `cut` is set); `end` is where it ends. Only digits are
// read, as XML writes them.
template <typename Text>
int referenceAt(const Text &text, int start, int *end, bool *cut)
{
    const int rest = text.size() - start;
    const bool opens = startsAt(text, start, "&#");
    int semicolon = -1;
    for (int offset = 0; offset < qMin(rest, longestReference + 1) && semicolon < 0; ++offset) {
        if (unitAt(text, start + offset) == ';')
            semicolon = offset;
    }
    *cut = rest < 2 || (opens && semicolon < 0 && rest <= longestReference);
    if (!opens)
        return -1;
    const bool hexadecimal = rest > 2 && unitAt(text, start + 2) == 'x';
    const int digits = hexadecimal ? 3 : 2;
    if (semicolon <= digits)
        return -1;
    int code = 0;
    for (int offset = digits; offset < semicolon; ++offset) {
        const int digit = digitValue(unitAt(text, start + offset), hexadecimal ? 16 : 10);
        if (digit < 0)
            return -1;
        code = qMin(code * (hexadecimal ? 16 : 10) + digit, 0x110000); // past any character
    }
    *end = start + semicolon + 1;
    return code;
}

void append(QString *written, const QString &characters)
{
    written->append(characters);
}

void append(QByteArray *written, const QString &characters)
{
    written->append(characters.toUtf8());
}

QString textOf(const QString &characters, const QString &)
{
    return characters;
}

QByteArray textOf(const QString &characters, const QByteArray &)
{
    return characters.toUtf8();
}

QString charactersOf(const QString &text)
{
    return text;
}

QString charactersOf(const QByteArray &text)
{
    return QString::fromUtf8(text);
}

} // namespace

QString CharacterReferences::writeOut(const QString &block, bool last)
{
    return writeOutText(block, last);
}

QByteArray CharacterReferences::writeOut(const QByteArray &block, bool last)
{
    return writeOutText(block, last);
}

template <typename Text>
Text CharacterReferences::writeOutText(const Text &block, bool last)
{
    const Text text = heldBack.isEmpty() ? block : textOf(heldBack, block) + block;
    heldBack.clear();
    Text written;
    int copied = 0; // characters of `text` already in `written`, or to be taken as they are
    int index = 0;
    // Holds back the rest of the text when the block may end inside what decides what
    // comes next; false when the text goes on far enough, or ends for good.
    const auto holdBack = [&](int length) {
        if (last || text.size() - index >= length)
            return false;
        heldBack = charactersOf(text.mid(index));
        return true;
    };
    const auto replace = [&](int end, const QString &characters) {
        written.append(text.constData() + copied, index - copied);
        append(&written, characters);
        copied = index = end;
    };
    const auto *const units = codeUnits(text);
    const auto *const stop = units + text.size();
    UnitSearch::Next ampersand(units, stop, '&');
    while (index < text.size()) {
        // Most characters decide nothing: in markup only '<' and '&' do, elsewhere the
        // first character of what closes the comment, section or instruction.
        const char *const close = context == Context::Comment ? "-->"
            : context == Context::CData                       ? "]]>"
            : context == Context::Instruction                 ? "?>"
                                                              : nullptr;
        if (close) {
            index = int(UnitSearch::find(units + index, stop, close[0]) - units);
            if (index == text.size())
                break;
            if (holdBack(int(qstrlen(close))))
                break;
            if (startsAt(text, index, close)) {
                index += int(qstrlen(close));
                context = Context::Markup;
                continue;
            }
        } else {
            const auto *const nextAmpersand = ampersand.from(units + index);
            index = int(UnitSearch::find(units + index, nextAmpersand, '<') - units);
            if (index == text.size())
                break;
            if (unitAt(text, index) == '<') {
                // Only "<!" and "<?" open what is not markup.
                if (holdBack(2))
                    break;
                const ushort next = index + 1 < text.size() ? unitAt(text, index + 1) : 0;
                if ((next == '!' || next == '?') && holdBack(9))
                    break;
                context = next != '!' && next != '?'      ? Context::Markup
                    : startsAt(text, index, "<!--")      ? Context::Comment
                    : startsAt(text, index, "<![CDATA[") ? Context::CData
                    : startsAt(text, index, "<?")        ? Context::Instruction
                                                         : Context::Markup;
            } else {
                int end = index;
                bool cut = false;
                const int code = referenceAt(text, index, &end, &cut);
                if (cut && holdBack(2 * longestReference))
                    break;
                if (isWrittenOut(code)) {
                    replace(end, QString(QChar(ushort(code))));
                    continue;
                }
                if (isHighSurrogate(code)) {
                    int pairEnd = end;
                    const int low = referenceAt(text, end, &pairEnd, &cut);
                    if (cut && holdBack(2 * longestReference))
                        break;
                    if (isLowSurrogate(low)) {
                        replace(pairEnd, QString(QChar(ushort(code))) + QChar(ushort(low)));
                        continue;
                    }
                }
            }
        }
        ++index;
    }
    const int kept = heldBack.isNull() ? text.size() : index;
    if (copied == 0 && kept == text.size())
        return text;
    written.append(text.constData() + copied, kept - copied);
    return written;
}
