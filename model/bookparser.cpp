#include "bookparser.h"

#include "boundedxmlreader.h"
#include "paragraphbuilder.h"
#include "regularfile.h"

#include <QFile>

XmlLimits BookParser::limits()
{
    return XmlLimits { maximumDepth, maximumNodes, maximumCharacters, maximumChildElements };
}

bool BookParser::openBook(QFile *file)
{
    return RegularFile::open(file, maximumFileSize, QIODevice::ReadOnly | QIODevice::Text);
}

bool BookParser::readBook(QIODevice *file, QMap<QString, Paragraph> *paragraphs, bool *overLimits, Failure *failure)
{
    paragraphs->clear();
    ParagraphBuilder builder(paragraphs);
    const bool parsed = BoundedXmlReader::read(file, &builder, limits(), overLimits);
    if (!parsed) {
        paragraphs->clear();
        if (failure)
            *failure = Failure { builder.failureMessage(), builder.failureLine() };
    }
    return parsed;
}
