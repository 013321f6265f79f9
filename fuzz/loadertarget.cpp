// Fuzz target: a book's bytes through the title scan of the book list, then the loader
// that fills the paragraphs the adventure window plays. What the loader reads is compared
// with QtXml's DOM by the differential target.

#include "bookparser.h"
#include "booktextreader.h"
#include "fuzzenvironment.h"

#include <QFile>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data),
                             int(qMin(size, size_t(BookParser::maximumFileSize))));
    const QString path = FuzzEnvironment::instance().writeBook(content);
    QFile titleFile(path);
    QString text;
    if (titleFile.open(QIODevice::ReadOnly | QIODevice::Text))
        BookTextReader::read(&titleFile, &text);

    QFile file(path);
    QMap<QString, Paragraph> paragraphs;
    if (BookParser::openBook(&file))
        BookParser::readBook(&file, &paragraphs);
    return 0;
}
