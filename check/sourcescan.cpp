#include "sourcescan.h"

#include "bookparser.h"
#include "frenchnumber.h"
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
            m_refusal =
                Finding { Finding::Severity::Error, int(m_reader.lineNumber()), int(m_reader.columnNumber()),
                          QStringLiteral("malformed-xml"), tr("XML mal formé : %1").arg(m_reader.errorString()) };
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
            refuse(QStringLiteral("too-deep"),
                   tr("les éléments sont imbriqués sur plus de %1 niveaux, la limite de "
                      "Valdoriel")
                       .arg(BookParser::maximumDepth));
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
        refuse(QStringLiteral("too-many-nodes"),
               tr("le fichier compte plus de %1 nœuds XML, la limite de Valdoriel")
                   .arg(frenchNumber(BookParser::maximumNodes)));
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
        warn(QStringLiteral("unread-element"),
             close.isNull() ? tr("Valdoriel ignore l'élément <%1> dans <%2>").arg(tag, parent.tag)
                            : tr("l'élément <%1> n'est pas lu ; vouliez-vous dire <%2> ?").arg(tag, close));
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
            warn(QStringLiteral("repeated-paragraph"),
                 tr("le paragraphe %1 est écrit de nouveau ; celui-ci remplace celui de la ligne %2")
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
            warn(QStringLiteral("unread-attribute"),
                 tr("l'attribut %1 n'est pas lu ; vouliez-vous dire %2 ?").arg(name, close));
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
            warn(QStringLiteral("number-read-as-zero"),
                 tr("%1 %2 est lu comme 0 : écrivez un nombre entier de -2147483648 à 2147483647")
                     .arg(name, quotation(value)));
        break;
    }
    case Vocabulary::ValueKind::FlagOne:
        if (value != QLatin1String("1") && value != QLatin1String("0"))
            warn(QStringLiteral("flag-read-as-off"),
                 tr("%1 %2 est lu comme éteint : seul « 1 » l'allume").arg(name, quotation(value)));
        break;
    case Vocabulary::ValueKind::Text:
        break;
    }
}

void SourceScan::warn(const QString &code, const QString &message)
{
    m_findings.append(Finding { Finding::Severity::Warning, int(m_reader.lineNumber()), 0, code, message });
}

void SourceScan::refuse(const QString &code, const QString &message)
{
    m_refusal = Finding { Finding::Severity::Error, int(m_reader.lineNumber()), 0, code, message };
}
