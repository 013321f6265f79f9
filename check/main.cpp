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
    // The reports are French: gathered as text, they are written in UTF-8 whatever the locale.
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    const int exitCode = CheckCommand::run(QCoreApplication::arguments(), out, err);
    out.flush();
    err.flush();
    const QByteArray errBytes = errText.toUtf8();
    const QByteArray outBytes = outText.toUtf8();
    std::fwrite(errBytes.constData(), 1, size_t(errBytes.size()), stderr);
    std::fwrite(outBytes.constData(), 1, size_t(outBytes.size()), stdout);
    return exitCode;
}
