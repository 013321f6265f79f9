#include "bookparser.h"

#include "bookxmlreader.h"
#include "paragraphfiller.h"
#include "regularfile.h"

#include <QFile>

XmlLimits BookParser::limits()
{
    return XmlLimits { maximumDepth, maximumNodes, maximumCharacters, maximumChildElements };
}

bool BookParser::openBook(QFile *file)
{
    return RegularFile::open(file, maximumFileSize, QIODevice::ReadOnly);
}

bool BookParser::readBook(QIODevice *file, QMap<QString, Paragraph> *paragraphs, bool *overLimits, Failure *failure)
{
    paragraphs->clear();
    ParagraphFiller filler(paragraphs);
    BookXmlReader reader(file, limits(), &filler);
    const bool parsed = reader.read();
    if (overLimits)
        *overLimits = reader.overLimits();
    if (!parsed) {
        paragraphs->clear();
        if (failure)
            *failure = Failure { reader.failureMessage(), reader.failureLine() };
    }
    return parsed;
}
