#ifndef FUZZENVIRONMENT_H
#define FUZZENVIRONMENT_H

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// What every fuzz target needs once per process: an offscreen QApplication and a temporary
// folder with an Add-on folder, where each input is written as a book. The working
// directory stays where it is: the fuzzer reads its corpus from there.
class FuzzEnvironment {
public:
    static FuzzEnvironment &instance();

    // Writes `content` as Add-on/livre.xml and returns its path.
    QString writeBook(const QByteArray &content) const;
    // Writes `content` at `path`, making its folder.
    static void writeFile(const QString &path, const QByteArray &content);
    // Tells a finding that is not a crash, and stops there as a crash would.
    [[noreturn]] static void fail(const char *finding);

private:
    FuzzEnvironment();

    QTemporaryDir directory;
};

#endif // FUZZENVIRONMENT_H
