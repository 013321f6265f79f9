// valdoriel-check: tells the authors of gamebooks what is wrong with a book before a
// reader finds it. It needs no display.

#include "checkcommand.h"
#include "frenchqttexts.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("valdoriel-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VALDORIEL_VERSION));
    FrenchQtTexts frenchQtTexts;
    QCoreApplication::installTranslator(&frenchQtTexts);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    return CheckCommand::run(QCoreApplication::arguments(), out, err);
}
