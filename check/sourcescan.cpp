#include "sourcescan.h"

#include "bookparser.h"
#include "quotation.h"

using Context = Vocabulary::Context;

SourceScan::SourceScan(QIODevice *device)
    : m_reader(device)
{
    scan();
}

const QList<Finding> &SourceScan::findings() const
{
    return m_findings;
}

const std::optional<Finding> &SourceScan::refusal() const
{
    return m_refusal;
}

const QHash<QString, ParagraphLocations> &SourceScan::paragraphs() const
{
    return m_paragraphs;
}

const QString &SourceScan::rootTitle() const
{
    return m_rootTitle;
}

int SourceScan::rootLine() const
{
    return m_rootLine;
}

void SourceScan::scan()
{
    while (!m_reader.atEnd()) {
        const QXmlStreamReader::TokenType token = m_reader.readNext();
        if (m_reader.hasError()) {
            m_refusal = Finding { Finding::Severity::Error, int(m_reader.lineNumber()), int(m_reader.columnNumber()),
                                  tr("not well-formed XML: %1").arg(m_reader.errorString()) };
            return;
        }
        if (!withinLimits(token))
            return;
        if (token == QXmlStreamReader::StartElement)
            startElement();
        else if (token == QXmlStreamReader::EndElement)
            endElement();
        else if (token == QXmlStreamReader::Characters && m_numberFrame >= 0)
            m_numberText += m_reader.text();
    }
}

// Counts as the loader's limits count, so that the scan stops where the loader refuses.
bool SourceScan::withinLimits(QXmlStreamReader::TokenType token)
{
    switch (token) {
    case QXmlStreamReader::StartElement:
        m_nodes += 1 + m_reader.attributes().size();
        if (m_frames.size() >= BookParser::maximumDepth) {
            refuse(tr("elements are nested deeper than %1 levels, the player's limit").arg(BookParser::maximumDepth));
            return false;
        }
        break;
    case QXmlStreamReader::EndElement:
        break;
    case QXmlStreamReader::Characters:
        m_nodes += m_reader.isWhitespace() ? 0 : 1;
        break;
    default:
        ++m_nodes;
        break;
    }
    if (m_nodes > BookParser::maximumNodes) {
        refuse(tr("the file holds more than %1 XML nodes, the player's limit").arg(BookParser::maximumNodes));
        return false;
    }
    return true;
}

void SourceScan::startElement()
{
    const QString tag = m_reader.name().toString();
    const int line = int(m_reader.lineNumber());
    Frame parent = m_frames.isEmpty() ? Frame { Context::Document, QString() } : m_frames.last();
    std::optional<Context> context = Vocabulary::childContext(parent.context, tag);
    if (!context) {
        const QString close = Vocabulary::closeElement(parent.context, tag);
        warn(close.isNull() ? tr("the player ignores the element <%1> inside <%2>").arg(tag, parent.tag)
                            : tr("the element <%1> is not read; did you mean <%2>?").arg(tag, close));
        context = Context::Ignored;
    }
    if (*context == Context::Root) {
        m_rootLine = line;
        if (m_reader.attributes().hasAttribute(QStringLiteral("Title")))
            m_rootTitle = m_reader.attributes().value(QStringLiteral("Title")).toString();
    } else if (*context == Context::Paragraph) {
        m_paragraphId = m_reader.attributes().value(QStringLiteral("id")).toString();
        const auto earlier = m_paragraphs.constFind(m_paragraphId);
        if (earlier != m_paragraphs.constEnd())
            warn(tr("paragraph %1 is written again; this one replaces the one at line %2")
                     .arg(quotation(m_paragraphId))
                     .arg(earlier->line));
        m_paragraph = ParagraphLocations { line, {} };
    } else if (m_paragraph) {
        locatePart(m_frames.last(), tag);
    }
    checkAttributes(*context);
    if (*context == Context::NumberText) {
        m_numberFrame = m_frames.size();
        m_numberText.clear();
    }
    m_frames.append(Frame { *context, tag });
}

void SourceScan::endElement()
{
    const Frame frame = m_frames.takeLast();
    if (m_numberFrame == m_frames.size()) {
        m_numberFrame = -1;
        checkValue(frame.tag, m_numberText, Vocabulary::ValueKind::Number);
    }
    if (frame.context == Context::Paragraph && m_paragraph) {
        m_paragraphs.insert(m_paragraphId, *m_paragraph);
        m_paragraph.reset();
    }
}

// Names the parts of the paragraph being read as the loader keys them.
void SourceScan::locatePart(Frame &parent, const QString &tag)
{
    const int line = int(m_reader.lineNumber());
    switch (parent.context) {
    case Context::Paragraph:
    case Context::Luck:
        m_paragraph->parts.insert(tag, line);
        break;
    case Context::Choices:
        m_paragraph->parts.insert(QLatin1Char('C') + QString::number(++parent.entries), line);
        break;
    case Context::Monster:
        m_paragraph->parts.insert(QLatin1Char('M') + QString::number(++parent.entries), line);
        break;
    case Context::Objects:
        m_paragraph->parts.insert(QLatin1Char('O') + QString::number(++parent.entries), line);
        break;
    default:
        break;
    }
}

void SourceScan::checkAttributes(Context context)
{
    if (context == Context::Ignored)
        return;
    for (const QXmlStreamAttribute &attribute : m_reader.attributes()) {
        const QString name = attribute.qualifiedName().toString();
        const std::optional<Vocabulary::ValueKind> kind = Vocabulary::attributeKind(context, name);
        if (kind) {
            checkValue(name, attribute.value().toString(), *kind);
            continue;
        }
        const QString close = Vocabulary::closeAttribute(context, name);
        if (!close.isNull())
            warn(tr("the attribute %1 is not read; did you mean %2?").arg(name, close));
    }
}

void SourceScan::checkValue(const QString &name, const QString &value, Vocabulary::ValueKind kind)
{
    if (value.trimmed().isEmpty())
        return;
    switch (kind) {
    case Vocabulary::ValueKind::Number:
    case Vocabulary::ValueKind::FlagNonzero: {
        bool readable = false;
        value.toInt(&readable, 10);
        if (!readable)
            warn(tr("%1 %2 reads as 0: write a whole number from -2147483648 to 2147483647")
                     .arg(name, quotation(value)));
        break;
    }
    case Vocabulary::ValueKind::FlagOne:
        if (value != QLatin1String("1") && value != QLatin1String("0"))
            warn(tr("%1 %2 reads as off: only \"1\" switches it on").arg(name, quotation(value)));
        break;
    case Vocabulary::ValueKind::Text:
        break;
    }
}

void SourceScan::warn(const QString &message)
{
    m_findings.append(Finding { Finding::Severity::Warning, int(m_reader.lineNumber()), 0, message });
}

void SourceScan::refuse(const QString &message)
{
    m_refusal = Finding { Finding::Severity::Error, int(m_reader.lineNumber()), 0, message };
}
