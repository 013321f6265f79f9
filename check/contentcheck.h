#ifndef CONTENTCHECK_H
#define CONTENTCHECK_H

#include "bookgraph.h"
#include "finding.h"
#include "paragraphlocations.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

// What the loaded paragraphs hold and the game makes of them: codes the player ignores or
// cannot serve, elements no code switches on, buttons lost or unlabelled, ways that lead
// nowhere, and paragraphs that cannot be reached or lead to no ending.
class ContentCheck {
    Q_DECLARE_TR_FUNCTIONS(ContentCheck)

public:
    ContentCheck(const BookGraph &graph, const QHash<QString, ParagraphLocations> &locations, int rootLine);

    const QList<Finding> &findings() const;

private:
    void checkCodes(const QStringList &codes);
    void checkMissingElements(const Paragraph &paragraph, const QStringList &codes);
    void checkUnusedElements(const Paragraph &paragraph, const QStringList &codes);
    void checkButtons(const QString &id, const Paragraph &paragraph, const QStringList &codes);
    void checkObjects(const Paragraph &paragraph);
    void checkWays(const QString &id, const Paragraph &paragraph);
    void checkReach();
    void report(Finding::Severity severity, const QString &part, const QString &code, const QString &message);

    const BookGraph &m_graph;
    const QHash<QString, ParagraphLocations> &m_locations;
    int m_rootLine;
    ParagraphLocations m_current; // where the paragraph being checked is written
    QList<Finding> m_findings;
};

#endif // CONTENTCHECK_H
