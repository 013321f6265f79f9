#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QString>
#include <QStringList>

#include <optional>

// What the player is asked on its command line: the books to open (the first is started at
// once) and, for authors, the paragraph to start at and the seed of the dice.
struct CommandLine {
    // Reads the arguments, the program's name first. --help and --version print what they
    // ask for and end the program, as usual; false, with `error` set, for a bad value.
    static bool parse(const QStringList &arguments, CommandLine *commandLine, QString *error);

    QStringList books;
    QString firstParagraph = QStringLiteral("000");
    std::optional<unsigned> seed;
};

#endif // COMMANDLINE_H
