#include "booktextreader.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

const QByteArray titleMarker("Title=\"");
// The marker but its closing quote.
const QByteArray markerLead = titleMarker.left(titleMarker.size() - 1);
// An empty text and a lone line feed, with or without a byte-order mark, fit in this many
// bytes; a longer text can decode to neither.
constexpr int leadingBytesNeeded = 8;

// The position of the first `byte` in `bytes` from `from` on, or -1. Unlike QByteArray's
// own search, which goes byte by byte, memchr takes many bytes at a time.
int find(const QByteArray &bytes, char byte, int from = 0)
{
    if (from >= bytes.size())
        return -1;
    const auto *found = static_cast<const char *>(std::memchr(bytes.constData() + from, byte, bytes.size() - from));
    return found ? int(found - bytes.constData()) : -1;
}

void dropCarriageReturns(QByteArray *bytes)
{
    if (find(*bytes, '\r') >= 0)
        bytes->truncate(int(std::remove(bytes->begin(), bytes->end(), '\r') - bytes->begin()));
}

// Follows the raw bytes of the text, piece by piece, until the title is complete. Carriage
// returns count for nothing, as in text mode; rather than dropping them from every piece,
// the search steps over them, and only the title's own bytes are cleaned of them.
class TitleSearch {
public:
    void add(const QByteArray &piece)
    {
        if (m_complete)
            return;
        if (!m_kept.isEmpty()) {
            keepTitle(piece);
            return;
        }
        // From quote to quote, which are rare in prose, looking back for the rest of the marker.
        for (int quote = find(piece, '"'); quote >= 0; quote = find(piece, '"', quote + 1)) {
            if (markerLeadEndsAt(piece, quote)) {
                m_kept = titleMarker;
                keepTitle(piece.mid(quote + 1));
                return;
            }
        }
        m_textEnd = lastTextBytes(piece);
    }

    // True once the closing quote is in, or the title is as long as it may get.
    bool complete() const { return m_complete; }

    // The marker starts with an ASCII letter, and a malformed sequence never swallows the
    // byte that follows it, so decoding from the marker gives the same characters as
    // decoding the whole text and taking the same part.
    QString text() const { return m_kept.isEmpty() ? QString() : QString::fromUtf8(m_kept); }

private:
    // True when the text just before position `end` of `piece` is the marker's lead. The
    // lead may have begun in an earlier piece, whose last bytes of text are m_textEnd.
    bool markerLeadEndsAt(const QByteArray &piece, int end) const
    {
        int wanted = markerLead.size();
        for (int at = end - 1; wanted > 0 && at >= 0; --at) {
            if (piece.at(at) == '\r')
                continue;
            if (piece.at(at) != markerLead.at(--wanted))
                return false;
        }
        return wanted == 0 || m_textEnd.endsWith(markerLead.left(wanted));
    }

    // The last bytes of the text so far, as many as the marker's lead.
    QByteArray lastTextBytes(const QByteArray &piece) const
    {
        const int needed = markerLead.size();
        QByteArray last;
        for (int at = piece.size() - 1; last.size() < needed && at >= 0; --at) {
            if (piece.at(at) != '\r')
                last.prepend(piece.at(at));
        }
        return (m_textEnd + last).right(needed);
    }

    // Takes the raw bytes that follow the marker or the part of the title already kept.
    void keepTitle(QByteArray bytes)
    {
        const int quote = find(bytes, '"');
        if (quote >= 0)
            bytes.truncate(quote + 1);
        dropCarriageReturns(&bytes);
        const int room = titleMarker.size() + BookTextReader::maximumTitleBytes - m_kept.size();
        m_complete = quote >= 0 || bytes.size() >= room;
        m_kept += bytes.left(room);
    }

    bool m_complete = false;
    QByteArray m_textEnd;
    QByteArray m_kept;
};

// Adds the bytes of `piece` that are not carriage returns to `leadingBytes` until it holds
// one more than is needed to tell an unusable text.
void keepLeadingBytes(const QByteArray &piece, QByteArray *leadingBytes)
{
    for (int at = 0; leadingBytes->size() <= leadingBytesNeeded && at < piece.size(); ++at) {
        if (piece.at(at) != '\r')
            leadingBytes->append(piece.at(at));
    }
}

} // namespace

bool BookTextReader::read(QFile *file, QString *text)
{
    TitleSearch search;
    QByteArray leadingBytes;
    QByteArray piece;
    for (int readSize = firstReadBytes; !search.complete(); readSize = laterReadBytes) {
        piece.resize(readSize);
        const qint64 got = file->read(piece.data(), readSize);
        if (got <= 0)
            break;
        piece.truncate(int(got));
        const int nul = find(piece, '\0');
        if (nul >= 0)
            piece.truncate(nul);
        keepLeadingBytes(piece, &leadingBytes);
        search.add(piece);
        if (nul >= 0)
            break;
    }
    *text = search.text();
    if (leadingBytes.size() > leadingBytesNeeded)
        return true;
    const QString leadingText = QString::fromUtf8(leadingBytes);
    return !leadingText.isEmpty() && leadingText != QLatin1String("\n");
}
