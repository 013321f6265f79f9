#include "booktextreader.h"

#include <QByteArray>
#include <QFile>

namespace {

const QByteArray titleMarker("Title=\"");
constexpr qint64 chunkSize = 1024 * 1024;
// An empty text and a lone line feed, with or without a byte-order mark, fit in this many
// bytes; a longer text can decode to neither.
constexpr int leadingBytesNeeded = 8;

// Follows the text chunk by chunk until the title is complete.
class TitleSearch {
public:
    void add(const QByteArray &piece)
    {
        if (m_found) {
            m_kept += piece;
            return;
        }
        // The marker may straddle two chunks: look first where the last one ended.
        const int overlap = titleMarker.size() - 1;
        const QByteArray joint = m_tail + piece.left(overlap);
        int at = joint.indexOf(titleMarker);
        if (at >= 0) {
            m_found = true;
            m_kept = joint.mid(at) + piece.mid(overlap);
            return;
        }
        at = piece.indexOf(titleMarker);
        if (at >= 0) {
            m_found = true;
            m_kept = piece.mid(at);
            return;
        }
        m_tail = (m_tail + piece.right(overlap)).right(overlap);
    }

    // True once the closing quote is in, or the title is as long as it may get.
    bool complete()
    {
        if (!m_found)
            return false;
        const int quote = m_kept.indexOf('"', titleMarker.size());
        if (quote >= 0) {
            m_kept.truncate(quote + 1);
            return true;
        }
        if (m_kept.size() >= titleMarker.size() + BookTextReader::maximumTitleBytes) {
            m_kept.truncate(titleMarker.size() + BookTextReader::maximumTitleBytes);
            return true;
        }
        return false;
    }

    // The marker starts with an ASCII letter, so decoding from it gives the same characters
    // as decoding the whole text and taking the same part.
    QString text() const { return m_found ? QString::fromUtf8(m_kept) : QString(); }

private:
    bool m_found = false;
    QByteArray m_tail;
    QByteArray m_kept;
};

} // namespace

bool BookTextReader::read(QFile *file, QString *text)
{
    TitleSearch search;
    QByteArray leadingBytes;
    qint64 textSize = 0;
    bool endOfText = false;
    while (!endOfText) {
        // In text mode Qt drops carriage returns as it reads, exactly as a whole read would.
        QByteArray piece = file->read(chunkSize);
        if (piece.isEmpty())
            break;
        const int nul = piece.indexOf('\0');
        if (nul >= 0) {
            piece.truncate(nul);
            endOfText = true;
        }
        if (leadingBytes.size() < leadingBytesNeeded)
            leadingBytes += piece.left(leadingBytesNeeded - leadingBytes.size());
        textSize += piece.size();
        search.add(piece);
        if (search.complete())
            break;
    }
    *text = search.text();
    if (textSize > leadingBytesNeeded)
        return true;
    const QString leadingText = QString::fromUtf8(leadingBytes);
    return !leadingText.isEmpty() && leadingText != QLatin1String("\n");
}
