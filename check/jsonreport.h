#ifndef JSONREPORT_H
#define JSONREPORT_H

#include <QJsonObject>

class BookCheck;

// The same report as the text one, as JSON for other tools: the book's figures, its
// findings, each with its code, and the outcomes of its random adventures, with the number
// of adventures that read each paragraph.
class JsonReport {
public:
    static QJsonObject book(const BookCheck &book);

private:
    static QJsonObject play(const BookCheck &book);
};

#endif // JSONREPORT_H
