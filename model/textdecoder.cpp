#include "textdecoder.h"

#include <QRegularExpression>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#else
#include <QTextCodec>
#endif

namespace {

// The encoding the first bytes show, or a null string when they show none.
QString encodingOfStart(const QByteArray &head)
{
    const auto startsWith = [&head](const char *bytes, int size) { return head.startsWith(QByteArray(bytes, size)); };
    if (startsWith("\xef\xbb\xbf", 3))
        return QStringLiteral("UTF-8");
    if (startsWith("\x00\x00\xfe\xff", 4) || startsWith("\x00\x00\x00<", 4))
        return QStringLiteral("UTF-32BE");
    if (startsWith("\xff\xfe\x00\x00", 4) || startsWith("<\x00\x00\x00", 4))
        return QStringLiteral("UTF-32LE");
    if (startsWith("\xfe\xff", 2) || startsWith("\x00<", 2))
        return QStringLiteral("UTF-16BE");
    if (startsWith("\xff\xfe", 2) || startsWith("<\x00", 2))
        return QStringLiteral("UTF-16LE");
    return QString();
}

// The `encoding` of an XML declaration written in ASCII at the start of `head`, as it is
// written: Qt matches the names of encodings on their letters and digits alone.
QString declaredEncoding(const QByteArray &head)
{
    if (!head.startsWith("<?xml"))
        return QString();
    const int end = head.indexOf("?>");
    static const QRegularExpression encoding(QStringLiteral("\\sencoding\\s*=\\s*[\"']([^\"'<]*)[\"']"));
    const QRegularExpressionMatch match = encoding.match(QString::fromLatin1(head.left(end < 0 ? 0 : end)));
    return match.hasMatch() ? match.captured(1) : QString();
}

// The encoding XML tells from the first bytes, UTF-8 when they tell none.
QString encodingOf(const QByteArray &head)
{
    const QString shown = encodingOfStart(head);
    if (!shown.isNull())
        return shown;
    const QString declared = declaredEncoding(head);
    return declared.isEmpty() ? QStringLiteral("UTF-8") : declared;
}

} // namespace

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)

struct TextDecoder::State {
    QStringDecoder decoder;
};

void TextDecoder::start(const QByteArray &head)
{
    const QString name = encodingOf(head);
    state->decoder = QStringDecoder(name.toLatin1().constData());
    if (state->decoder.isValid())
        return;
    // Qt 6 decodes Unicode and Latin-1 alone; the other Latin encodings differ from Latin-1
    // in a few signs only, where UTF-8 would lose every accented letter.
    static const QRegularExpression latin(QStringLiteral("^(iso-?8859-|windows-125|cp125)"),
                                          QRegularExpression::CaseInsensitiveOption);
    state->decoder = QStringDecoder(latin.match(name).hasMatch() ? QStringDecoder::Latin1 : QStringDecoder::Utf8);
}

QString TextDecoder::decode(const QByteArray &block)
{
    return state->decoder.decode(block);
}

bool TextDecoder::readsUtf8() const
{
    return qstrcmp(state->decoder.name(), "UTF-8") == 0;
}

#else

struct TextDecoder::State {
    std::unique_ptr<QTextDecoder> decoder;
    bool utf8 = false;
};

void TextDecoder::start(const QByteArray &head)
{
    QTextCodec *codec = QTextCodec::codecForName(encodingOf(head).toLatin1());
    if (!codec)
        codec = QTextCodec::codecForName("UTF-8");
    state->decoder.reset(codec->makeDecoder());
    state->utf8 = codec->mibEnum() == 106; // the number IANA gives UTF-8
}

QString TextDecoder::decode(const QByteArray &block)
{
    return state->decoder->toUnicode(block);
}

bool TextDecoder::readsUtf8() const
{
    return state->utf8;
}

#endif

TextDecoder::TextDecoder()
    : state(new State)
{
}

TextDecoder::~TextDecoder() = default;
