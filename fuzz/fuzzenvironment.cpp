#include "fuzzenvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace {

int argumentCount = 1;
char programName[] = "valdoriel-fuzz";
char *arguments[] = { programName, nullptr };
// Never deleted: the fuzzer ends the process from inside its own loop, and Qt must not be
// torn down while static objects still go away around it.
QApplication *application = nullptr;

// Qt's warnings about what the offscreen platform cannot do would drown the fuzzer's own
// lines, millions of times over. A fatal message is still shown; Qt then aborts.
void dropMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

FuzzEnvironment &FuzzEnvironment::instance()
{
    static FuzzEnvironment environment;
    return environment;
}

FuzzEnvironment::FuzzEnvironment()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropMessages);
    application = new QApplication(argumentCount, arguments);
    QDir(directory.path()).mkpath(QStringLiteral("Add-on"));
    // Saves, explorations and settings are written there, never among the user's files.
    qputenv("XDG_DATA_HOME", QFile::encodeName(directory.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(directory.filePath(QStringLiteral("config"))));
}

QString FuzzEnvironment::writeBook(const QByteArray &content) const
{
    const QString path = directory.filePath(QStringLiteral("Add-on/livre.xml"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
    return path;
}

void FuzzEnvironment::writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

void FuzzEnvironment::fail(const char *finding)
{
    std::fprintf(stderr, "finding: %s\n", finding);
    std::abort();
}
