#ifndef SOURCESCAN_H
#define SOURCESCAN_H

#include "bookformat.h"
#include "bookinput.h"
#include "entitybudget.h"
#include "finding.h"
#include "paragraphlocations.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QVector>
#include <QXmlStreamReader>

#include <optional>

class QIODevice;

// One streaming pass over a book file. The loader keeps no line numbers, so this
// pass finds where each paragraph and each of its parts is written. On the way it judges
// what only the file's text shows and the loader drops silently: names it does not read,
// numbers and flags it reads as 0 or off, and paragraphs written twice. It stops where
// the loader's own limits would refuse the file, so that its memory stays bounded too.
class SourceScan {
    Q_DECLARE_TR_FUNCTIONS(SourceScan)

public:
    explicit SourceScan(QIODevice *device);

    const QList<Finding> &findings() const;
    // Why the loader may refuse the file: the first XML error, with its line and column,
    // or the first limit passed. Nothing when the file reads to its end.
    const std::optional<Finding> &refusal() const;
    // The paragraphs by id; an id written twice keeps the later paragraph, as the loader does.
    const QHash<QString, ParagraphLocations> &paragraphs() const;
    // The root element's title as XML reads it (entities decoded), null without one.
    const QString &rootTitle() const;
    int rootLine() const;

private:
    struct Frame {
        BookFormat::Place place;
        QString tag;
        int entries = 0; // children seen so far, for the numbered parts C1, M1, O1…
    };

    void scan();
    bool withinLimits(QXmlStreamReader::TokenType token);
    void startElement();
    void endElement();
    void locatePart(Frame &parent, const QString &tag);
    void checkAttributes(BookFormat::Place place);
    void checkValue(const QString &name, const QString &value, BookFormat::ValueKind kind);
    void warn(const QString &code, const QString &message);
    void refuse(const QString &code, const QString &message);

    // The file's characters as the loader's parser gets them, so that both agree on what
    // is well-formed.
    EntityBudget m_budget;
    BookInput m_input;
    QXmlStreamReader m_reader;
    QList<Finding> m_findings;
    std::optional<Finding> m_refusal;
    QHash<QString, ParagraphLocations> m_paragraphs;
    QString m_rootTitle;
    int m_rootLine = 0;
    QVector<Frame> m_frames;
    std::optional<ParagraphLocations> m_paragraph; // the paragraph being read
    QString m_paragraphId;
    int m_numberFrame = -1; // the frame whose text is read as a number, if one is open
    QString m_numberText;
    int m_depth = 0;
    qint64 m_nodes = 0;
};

#endif // SOURCESCAN_H
