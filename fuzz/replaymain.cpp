// Feeds files to a fuzz target without libFuzzer, so that any compiler can build the replay
// of the committed corpus and reproducers: each argument is a file, or a folder whose files
// are fed in name order. Fails when an argument names nothing; a finding aborts.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

void feed(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    std::fprintf(stderr, "%s\n", qPrintable(path));
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(content.constData()), size_t(content.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList paths;
    for (int index = 1; index < argc; ++index) {
        const QFileInfo argument(QString::fromLocal8Bit(argv[index]));
        if (!argument.exists()) {
            std::fprintf(stderr, "no such file or folder: %s\n", argv[index]);
            return 1;
        }
        if (!argument.isDir()) {
            paths.append(argument.absoluteFilePath());
            continue;
        }
        const QDir folder(argument.absoluteFilePath());
        for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
            paths.append(folder.filePath(name));
    }
    for (const QString &path : qAsConst(paths))
        feed(path);
    std::fprintf(stderr, "%d inputs replayed\n", int(paths.size()));
    return 0;
}
