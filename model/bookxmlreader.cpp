#include "bookxmlreader.h"

#include "controlcharacters.h"
#include "paragraphfiller.h"

using Place = BookFormat::Place;

namespace {

// White space as the player has always judged text between elements: any space character,
// the no-break space included.
bool isBlank(const QString &text)
{
    for (const QChar character : text) {
        if (!character.isSpace())
            return false;
    }
    return true;
}

// An attribute's name as XML allows it. The stream reader checks element names but not
// attribute names, which every other XML parser refuses; names of ASCII are judged here,
// others as the stream reader judges an element's name, with its tables of letters.
bool isXmlName(QStringView name)
{
    const auto isAsciiStart = [](ushort code) {
        return (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') || code == '_' || code == ':';
    };
    bool ascii = !name.isEmpty();
    for (int index = 0; index < name.size() && ascii; ++index) {
        const ushort code = name.at(index).unicode();
        if (code > 0x7f)
            ascii = false;
        else if (!isAsciiStart(code) && (index == 0 || !((code >= '0' && code <= '9') || code == '-' || code == '.')))
            return false;
    }
    if (ascii || name.isEmpty())
        return ascii;
    QXmlStreamReader element(QLatin1Char('<') + name.toString() + QLatin1String("/>"));
    while (!element.atEnd() && !element.hasError())
        element.readNext();
    return !element.hasError();
}

} // namespace

BookXmlReader::BookXmlReader(QIODevice *device, const XmlLimits &limits, ParagraphFiller *filler)
    : limits(limits)
    , filler(filler)
    , budget(limits.depth)
    , input(device, &budget)
{
    xml.setDevice(&input);
    xml.setNamespaceProcessing(false);
    xml.setEntityResolver(this);
}

QString BookXmlReader::resolveUndeclaredEntity(const QString &name)
{
    count(1, name.size());
    return QStringLiteral(""); // empty, not null: null would fail the parse
}

bool BookXmlReader::read()
{
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        input.follow(xml, token);
        if (xml.hasError() || !readToken(token))
            return false;
    }
    return !xml.hasError();
}

bool BookXmlReader::readToken(QXmlStreamReader::TokenType token)
{
    switch (token) {
    case QXmlStreamReader::DTD:
        return declaredNamesValid() &&
            count(1 + xml.entityDeclarations().size() + xml.notationDeclarations().size(), 0);
    case QXmlStreamReader::StartElement:
        return startElement();
    case QXmlStreamReader::EndElement:
        endElement();
        return true;
    case QXmlStreamReader::Characters:
        if (!count(xml.isWhitespace() ? 0 : 1, xml.text().size()))
            return false;
        gather();
        return true;
    case QXmlStreamReader::Comment:
    case QXmlStreamReader::ProcessingInstruction:
    case QXmlStreamReader::EntityReference:
        endTextRun();
        return count(1,
                     xml.text().size() + xml.processingInstructionTarget().size() +
                         xml.processingInstructionData().size() + xml.name().size());
    default:
        return true;
    }
}

// The stream reader does not judge the names of entities and notations either, where a
// control character handed over hidden would pass as a letter.
bool BookXmlReader::declaredNamesValid()
{
    bool valid = true;
    for (const QXmlStreamEntityDeclaration &declaration : xml.entityDeclarations())
        valid = valid && isXmlName(declaration.name());
    for (const QXmlStreamNotationDeclaration &declaration : xml.notationDeclarations())
        valid = valid && isXmlName(declaration.name());
    if (!valid)
        xml.raiseError(QStringLiteral("Invalid XML name."));
    return valid;
}

bool BookXmlReader::startElement()
{
    endTextRun();
    const QXmlStreamAttributes attributes = xml.attributes();
    qint64 characterCount = xml.qualifiedName().size();
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (!isXmlName(attribute.qualifiedName())) {
            xml.raiseError(QStringLiteral("Invalid XML name."));
            return false;
        }
        characterCount += attribute.qualifiedName().size() + attribute.value().size();
    }
    // The document element's own children are the paragraphs, bounded by the node limit alone.
    if (openElements.size() >= 2 && ++openElements.last().childElements > limits.childElements)
        exceeded = true;
    if (openElements.size() >= limits.depth)
        exceeded = true;
    if (!count(1 + attributes.size(), characterCount))
        return false;

    const Place parent = openElements.isEmpty() ? Place::Outside : openElements.last().place;
    const Place place = BookFormat::childPlace(parent, xml.qualifiedName());
    openElements.append(OpenElement { place });
    const bool restore = input.hidControlCharacters();
    filler->open(place, [&attributes, restore](QLatin1String name) {
        // The value of the attribute's last occurrence; never null when it is written.
        for (int index = attributes.size() - 1; index >= 0; --index) {
            if (attributes.at(index).qualifiedName() == name) {
                const QString written = attributes.at(index).value().toString();
                const QString value = restore ? ControlCharacters::restore(written) : written;
                return value.isNull() ? QStringLiteral("") : value;
            }
        }
        return QString();
    });
    if (gatheringFrom < 0 && BookFormat::readsText(place))
        gatheringFrom = openElements.size();
    return true;
}

void BookXmlReader::endElement()
{
    endTextRun();
    const Place place = openElements.takeLast().place;
    if (gatheringFrom == openElements.size() + 1) {
        gatheringFrom = -1;
        // A string of its own size, never null; the buffer keeps its room for the next text.
        QString gathered(text.constData(), text.size());
        if (input.hidControlCharacters())
            gathered = ControlCharacters::restore(gathered);
        text.resize(0);
        filler->close(place, gathered);
    } else {
        filler->close(place, QString());
    }
}

void BookXmlReader::gather()
{
    if (gatheringFrom < 0)
        return;
    if (xml.isCDATA()) {
        endTextRun();
        text += xml.text();
    } else {
        textRun += xml.text();
    }
}

void BookXmlReader::endTextRun()
{
    if (textRun.isEmpty())
        return;
    if (!isBlank(textRun))
        text += textRun;
    textRun.resize(0);
}

bool BookXmlReader::count(qint64 nodeCount, qint64 characterCount)
{
    nodes += nodeCount;
    characters += characterCount;
    exceeded = exceeded || nodes > limits.nodes || characters > limits.characters;
    if (exceeded)
        xml.raiseError(QStringLiteral("the document goes past the limits of the parser"));
    return !exceeded;
}

bool BookXmlReader::overLimits() const
{
    return exceeded || input.overBudget();
}

QString BookXmlReader::failureMessage() const
{
    if (input.overBudget())
        return QStringLiteral("the document's entities or declarations go past the limits of the parser");
    return xml.errorString();
}

int BookXmlReader::failureLine() const
{
    return int(xml.lineNumber());
}
