#include "namedpipe.h"

#include <QProcess>

bool NamedPipe::make(const QString &path)
{
    QProcess mkfifo;
    mkfifo.start(QStringLiteral("mkfifo"), { path });
    return mkfifo.waitForFinished(10000) && mkfifo.exitStatus() == QProcess::NormalExit && mkfifo.exitCode() == 0;
}
