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
        err << CheckCommand::tr("%1 : impossible d'écrire la carte : %2")
                   .arg(path, book.graph() ? file.errorString() : CheckCommand::tr("le livre n'a pas été lu"))
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
        tr("Vérifie des livres-jeux pour Valdoriel : ce que Valdoriel lirait mal ou pas du tout, les chemins qui "
           "ne mènent nulle part, les paragraphes qu'on ne peut pas atteindre ou qui ne mènent à aucune fin."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption format(QStringLiteral("format"), tr("Écrit le rapport en texte (par défaut) ou en JSON."),
                                    QStringLiteral("text|json"), QStringLiteral("text"));
    const QCommandLineOption graph(QStringLiteral("graph"),
                                   tr("Écrit la carte du livre pour Graphviz (format DOT) dans FICHIER."),
                                   QStringLiteral("FICHIER"));
    const QCommandLineOption play(QStringLiteral("play"), tr("Joue N aventures au hasard dans chaque livre."),
                                  QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), tr("Graine des aventures au hasard (1 par défaut)."),
                                  QStringLiteral("GRAINE"), QStringLiteral("1"));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     tr("Nomme aussi les paragraphes que les aventures au hasard n'ont jamais lus."));
    parser.addOptions({ format, graph, play, seed, verbose });
    parser.addPositionalArgument(QStringLiteral("livres"),
                                 tr("Fichiers de livres ou dossiers de livres (Add-on par défaut)."),
                                 QStringLiteral("[LIVRE.xml|DOSSIER...]"));
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
        return usageError(tr("Le format est text ou json."));
    const std::optional<qint64> adventures =
        parser.isSet(play) ? numberOption(parser, play.names().first(), 1, mostAdventures) : 0;
    const std::optional<qint64> seedValue = numberOption(parser, seed.names().first(), 0, 0xffffffffLL);
    if (!adventures || !seedValue)
        return usageError(tr("--play prend un nombre d'aventures de 1 à %1, --seed un nombre de 0 à 4294967295.")
                              .arg(mostAdventures));
    const QStringList books =
        bookPaths(parser.positionalArguments().isEmpty() ? QStringList { QStringLiteral("Add-on") }
                                                         : parser.positionalArguments(),
                  err);
    if (parser.isSet(graph) && books.size() != 1)
        return usageError(tr("--graph dessine la carte d'un seul livre ; %1 sont nommés.").arg(books.size()));

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
            TextReport::write(out, book, parser.isSet(verbose));
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
            err << tr("%1 : aucun livre (*.xml) dans ce dossier").arg(name) << '\n';
        for (const QString &entry : entries)
            paths.append(QDir::cleanPath(folder.filePath(entry)));
    }
    return paths;
}
