#ifndef DOCUMENTDIFFERENCES_H
#define DOCUMENTDIFFERENCES_H

#include <QString>

// Where the loader and Qt 5's DOM are known to read a document differently, each for a
// reason the conformance test lists; the differential fuzz target leaves those aside.
class DocumentDifferences {
public:
    // `failure`: why the loader refused the document, or a null string.
    static bool known(const QString &failure);
    // `failure`: why the DOM refused a document that the loader accepts.
    static bool knownOfDom(const QString &failure);
    // `failure`: why the loader refused a document that the DOM accepts.
    static bool uncheckedByDom(const QString &failure);
    // The description of what a reader read, with what is known to differ made alike.
    static QString comparable(QString description);
};

#endif // DOCUMENTDIFFERENCES_H
