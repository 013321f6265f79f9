#include "characterreferences.h"

#include <QStringView>

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

} // namespace

int CharacterReferences::referenceAt(const QString &text, int start, int *end, bool *cut)
{
    const QStringView rest = QStringView(text).mid(start);
    *cut = rest.size() < 2 ||
        (rest.startsWith(QLatin1String("&#")) && rest.indexOf(QLatin1Char(';')) < 0 && rest.size() <= longestReference);
    if (!rest.startsWith(QLatin1String("&#")))
        return -1;
    const bool hexadecimal = rest.size() > 2 && rest.at(2) == QLatin1Char('x');
    const int digits = hexadecimal ? 3 : 2;
    const int semicolon = int(rest.indexOf(QLatin1Char(';')));
    if (semicolon <= digits || semicolon > longestReference)
        return -1;
    bool readable = false;
    const int code = text.mid(start + digits, semicolon - digits).toInt(&readable, hexadecimal ? 16 : 10);
    *end = start + semicolon + 1;
    return readable ? code : -1;
}

QString CharacterReferences::writeOut(const QString &block, bool last)
{
    const QString text = heldBack + block;
    heldBack.clear();
    QString written;
    int copied = 0; // characters of `text` already in `written`, or to be taken as they are
    int index = 0;
    const auto startsAt = [&text](int position, const char *marker) {
        return QStringView(text).mid(position).startsWith(QLatin1String(marker));
    };
    // Holds back the rest of the text when the block may end inside what decides what
    // comes next; false when the text goes on far enough, or ends for good.
    const auto holdBack = [&](int length) {
        if (last || text.size() - index >= length)
            return false;
        heldBack = text.mid(index);
        return true;
    };
    const auto replace = [&](int end, const QString &characters) {
        written.append(text.constData() + copied, index - copied);
        written.append(characters);
        copied = index = end;
    };
    while (index < text.size()) {
        const QChar character = text.at(index);
        if (context == Context::Markup && character == QLatin1Char('<')) {
            if (holdBack(9))
                break;
            context = startsAt(index, "<!--")  ? Context::Comment
                : startsAt(index, "<![CDATA[") ? Context::CData
                : startsAt(index, "<?")        ? Context::Instruction
                                               : Context::Markup;
        } else if (context == Context::Markup && character == QLatin1Char('&')) {
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
        } else if (context != Context::Markup) {
            const char *const close = context == Context::Comment ? "-->" : context == Context::CData ? "]]>" : "?>";
            if (character == QLatin1Char(close[0])) {
                if (holdBack(int(qstrlen(close))))
                    break;
                if (startsAt(index, close)) {
                    index += int(qstrlen(close));
                    context = Context::Markup;
                    continue;
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
