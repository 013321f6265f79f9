#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <limits>

bool CommandLine::parse(const QStringList &arguments, CommandLine *commandLine, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
                                    "Lecteur de livres-jeux d'aventure : choisissez un livre, lancez "
                                    "les dés et jouez-le paragraphe par paragraphe."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption paragraph(
        QStringLiteral("paragraph"),
        QCoreApplication::translate("CommandLine",
                                    "Commence au paragraphe ID, après les dés, comme une première visite."),
        QStringLiteral("ID"));
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QCoreApplication::translate("CommandLine",
                                    "Tire les dés de la graine N, pour rejouer une aventure dé pour dé."),
        QStringLiteral("N"));
    parser.addOption(paragraph);
    parser.addOption(seed);
    parser.addPositionalArgument(QStringLiteral("LIVRE.xml"),
                                 QCoreApplication::translate("CommandLine", "Le livre à commencer aussitôt."),
                                 QStringLiteral("[LIVRE.xml...]"));
    parser.process(arguments);
    commandLine->books = parser.positionalArguments();
    if (parser.isSet(paragraph))
        commandLine->firstParagraph = parser.value(paragraph);
    if (parser.isSet(seed)) {
        bool number = false;
        commandLine->seed = parser.value(seed).toUInt(&number);
        if (!number) {
            *error = QCoreApplication::translate("CommandLine", "--seed attend un nombre entier de 0 à %1, pas « %2 ».")
                         .arg(std::numeric_limits<unsigned>::max())
                         .arg(parser.value(seed));
            return false;
        }
    }
    return true;
}
