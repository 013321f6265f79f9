#include "sourcescan.h"

#include "bookparser.h"
#include "frenchnumber.h"
#include "quotation.h"
#include "vocabulary.h"

using Place = BookFormat::Place;
using ValueKind = BookFormat::ValueKind;

SourceScan::SourceScan(QIODevice *device)
    : m_budget(BookParser::maximumDepth)
    , m_input(device, &m_budget)
    , m_reader(&m_input)
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
        m_input.follow(m_reader, token);
        if (m_input.overBudget()) {
            refuse(QStringLiteral("entity-budget"),
                   tr("les entités du fichier y ajoutent plus de %1 caractères, la limite de Valdoriel")
                       .arg(frenchNumber(EntityBudget::maximumAddedCharacters)));
            return;
        }
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
    Frame parent = m_frames.isEmpty() ? Frame { Place::Outside, QString() } : m_frames.last();
    Place place = BookFormat::childPlace(parent.place, tag);
    if (!BookFormat::knowsChild(parent.place, tag)) {
        const QString close = Vocabulary::closeElement(parent.place, tag);
        warn(QStringLiteral("unread-element"),
             close.isNull() ? tr("Valdoriel ignore l'élément <%1> dans <%2>").arg(tag, parent.tag)
                            : tr("l'élément <%1> n'est pas lu ; vouliez-vous dire <%2> ?").arg(tag, close));
    }
    if (place == Place::Book) {
        m_rootLine = line;
        if (m_reader.attributes().hasAttribute(QStringLiteral("Title")))
            m_rootTitle = m_reader.attributes().value(QStringLiteral("Title")).toString();
    } else if (place == Place::Paragraph) {
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
    checkAttributes(place);
    if (place == Place::ObjectType) {
        m_numberFrame = m_frames.size();
        m_numberText.clear();
    }
    m_frames.append(Frame { place, tag });
}

void SourceScan::endElement()
{
    const Frame frame = m_frames.takeLast();
    if (m_numberFrame == m_frames.size()) {
        m_numberFrame = -1;
        checkValue(frame.tag, m_numberText, ValueKind::Number);
    }
    if (frame.place == Place::Paragraph && m_paragraph) {
        m_paragraphs.insert(m_paragraphId, *m_paragraph);
        m_paragraph.reset();
    }
}

// Names the parts of the paragraph being read as the loader keys them.
void SourceScan::locatePart(Frame &parent, const QString &tag)
{
    const int line = int(m_reader.lineNumber());
    switch (parent.place) {
    case Place::Paragraph:
    case Place::Luck:
        m_paragraph->parts.insert(tag, line);
        break;
    case Place::Choices:
        m_paragraph->parts.insert(QLatin1Char('C') + QString::number(++parent.entries), line);
        break;
    case Place::Monster:
        m_paragraph->parts.insert(QLatin1Char('M') + QString::number(++parent.entries), line);
        break;
    case Place::Objects:
        m_paragraph->parts.insert(QLatin1Char('O') + QString::number(++parent.entries), line);
        break;
    default:
        break;
    }
}

void SourceScan::checkAttributes(Place place)
{
    if (place == Place::Ignored)
        return;
    for (const QXmlStreamAttribute &attribute : m_reader.attributes()) {
        const QString name = attribute.qualifiedName().toString();
        ValueKind kind;
        if (BookFormat::attributeKind(place, name, &kind)) {
            checkValue(name, attribute.value().toString(), kind);
            continue;
        }
        const QString close = Vocabulary::closeAttribute(place, name);
        if (!close.isNull())
            warn(QStringLiteral("unread-attribute"),
                 tr("l'attribut %1 n'est pas lu ; vouliez-vous dire %2 ?").arg(name, close));
    }
}

void SourceScan::checkValue(const QString &name, const QString &value, ValueKind kind)
{
    if (value.trimmed().isEmpty())
        return;
    switch (kind) {
    case ValueKind::Number:
    case ValueKind::FlagNonzero: {
        bool readable = false;
        value.toInt(&readable, 10);
        if (!readable)
            warn(QStringLiteral("number-read-as-zero"),
                 tr("%1 %2 est lu comme 0 : écrivez un nombre entier de -2147483648 à 2147483647")
                     .arg(name, quotation(value)));
        break;
    }
    case ValueKind::FlagOne:
        if (value != QLatin1String("1") && value != QLatin1String("0"))
            warn(QStringLiteral("flag-read-as-off"),
                 tr("%1 %2 est lu comme éteint : seul « 1 » l'allume").arg(name, quotation(value)));
        break;
    case ValueKind::Text:
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
