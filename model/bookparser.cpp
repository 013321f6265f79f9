#include "bookparser.h"

#include "boundedxmlreader.h"
#include "paragraphbuilder.h"

#include <QFile>
#include <QFileInfo>

XmlLimits BookParser::limits()
{
    return XmlLimits { maximumDepth, maximumNodes, maximumCharacters, maximumChildElements };
}

bool BookParser::openBook(QFile *file)
{
    const QFileInfo info(*file);
    if (!info.isFile() || info.size() > maximumFileSize)
        return false;
    return file->open(QIODevice::ReadOnly | QIODevice::Text);
}

bool BookParser::readBook(QIODevice *file, QMap<QString, Paragraph> *paragraphs, bool *overLimits)
{
    paragraphs->clear();
    ParagraphBuilder builder(paragraphs);
    const bool parsed = BoundedXmlReader::read(file, &builder, limits(), overLimits);
    if (!parsed)
        paragraphs->clear();
    return parsed;
}
