#ifndef CHECKCOMMAND_H
#define CHECKCOMMAND_H

#include <QCoreApplication>
#include <QStringList>

class QTextStream;

// The command line of valdoriel-check: which books to check (files or folders, Add-on/ by
// default), how to report, and whether to draw the map or play random adventures.
class CheckCommand {
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)

public:
    // The exit code: 0 when no book has an error, 1 when one has, 2 on bad usage.
    static int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

    static constexpr int noErrors = 0;
    static constexpr int errorsFound = 1;
    static constexpr int badUsage = 2;
    static constexpr int mostAdventures = 1000000;

private:
    // The books named: each file as given, each folder's *.xml files sorted by name.
    static QStringList bookPaths(const QStringList &names, QTextStream &err);
};

#endif // CHECKCOMMAND_H
