#include "checkcommand.h"

#include "bookcheck.h"
#include "dotwriter.h"
#include "jsonreport.h"
#include "textreport.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace {

// The optional whole number of an option, when it lies within [minimum, maximum].
std::optional<qint64> numberOption(const QCommandLineParser &parser, const QString &name, qint64 minimum,
                                   qint64 maximum)
{
    bool readable = false;
    const qint64 value = parser.value(name).toLongLong(&readable);
    if (!readable || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

bool writeGraph(const BookCheck &book, const QString &path, QTextStream &err)
{
    QFile file(path);
    if (!book.graph() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(DotWriter::write(*book.graph(), book.rootTitle())) < 0) {
        err << CheckCommand::tr("%1: cannot write the map: %2")
                   .arg(path, book.graph() ? file.errorString() : CheckCommand::tr("the book was not read"))
            << '\n';
        return false;
    }
    return true;
}

} // namespace

int CheckCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Checks gamebooks for the Valdoriel player: what the player would read wrongly or not at all, "
           "ways that lead nowhere, paragraphs that cannot be reached or lead to no ending."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption format(QStringLiteral("format"), tr("Report as text (the default) or json."),
                                    QStringLiteral("text|json"), QStringLiteral("text"));
    const QCommandLineOption graph(QStringLiteral("graph"), tr("Write the map of the book in Graphviz DOT to FILE."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption play(QStringLiteral("play"), tr("Play N random adventures in each book."),
                                  QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), tr("Seed of the random adventures (1 by default)."),
                                  QStringLiteral("SEED"), QStringLiteral("1"));
    parser.addOptions({ format, graph, play, seed });
    parser.addPositionalArgument(QStringLiteral("books"), tr("Book files or folders of books (Add-on by default)."),
                                 QStringLiteral("[BOOK.xml|FOLDER...]"));
    const auto usageError = [&err, &parser](const QString &message) {
        err << message << '\n' << parser.helpText();
        return badUsage;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        out << parser.helpText();
        return noErrors;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return noErrors;
    }
    const QString formatName = parser.value(format);
    if (formatName != QLatin1String("text") && formatName != QLatin1String("json"))
        return usageError(tr("The format must be text or json."));
    const std::optional<qint64> adventures =
        parser.isSet(play) ? numberOption(parser, play.names().first(), 1, mostAdventures) : 0;
    const std::optional<qint64> seedValue = numberOption(parser, seed.names().first(), 0, 0xffffffffLL);
    if (!adventures || !seedValue)
        return usageError(tr("--play takes a number of adventures from 1 to %1, --seed a number from 0 to 4294967295.")
                              .arg(mostAdventures));
    const QStringList books =
        bookPaths(parser.positionalArguments().isEmpty() ? QStringList { QStringLiteral("Add-on") }
                                                         : parser.positionalArguments(),
                  err);
    if (parser.isSet(graph) && books.size() != 1)
        return usageError(tr("--graph draws the map of one book; %1 were named.").arg(books.size()));

    bool anyError = false;
    QJsonArray reports;
    for (const QString &path : books) {
        BookCheck book(path);
        if (*adventures > 0)
            book.play(int(*adventures), quint32(*seedValue));
        if (parser.isSet(graph) && !writeGraph(book, parser.value(graph), err))
            anyError = true;
        anyError = anyError || book.count(Finding::Severity::Error) > 0;
        if (formatName == QLatin1String("json"))
            reports.append(JsonReport::book(book));
        else
            TextReport::write(out, book);
    }
    if (formatName == QLatin1String("json"))
        out << QJsonDocument(QJsonObject { { QStringLiteral("books"), reports } }).toJson();
    return anyError ? errorsFound : noErrors;
}

QStringList CheckCommand::bookPaths(const QStringList &names, QTextStream &err)
{
    QStringList paths;
    for (const QString &name : names) {
        if (!QFileInfo(name).isDir()) {
            paths.append(name);
            continue;
        }
        const QDir folder(name);
        const QStringList entries = folder.entryList({ QStringLiteral("*.xml") }, QDir::Files);
        if (entries.isEmpty())
            err << tr("%1: no book (*.xml) in this folder").arg(name) << '\n';
        for (const QString &entry : entries)
            paths.append(QDir::cleanPath(folder.filePath(entry)));
    }
    return paths;
}
