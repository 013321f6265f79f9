#include "testworkspace.h"

#include "bookparser.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

TestWorkspace::TestWorkspace()
    : previousDirectory(QDir::currentPath())
{
    QDir root(directory.path());
    root.mkpath(QStringLiteral("Add-on"));
    root.mkpath(QStringLiteral("images"));
    for (int face = 1; face <= 6; ++face) {
        const QString name = QStringLiteral("images/De-%1.png").arg(face);
        QFile::copy(repositoryFile(name), root.filePath(name));
    }
    QDir::setCurrent(directory.path());
    // Saves, explorations, settings and the reader's own and the system's books are there,
    // never among the user's files or the installed ones.
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(root.filePath(QStringLiteral("system"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));
}

TestWorkspace::~TestWorkspace()
{
    QDir::setCurrent(previousDirectory);
}

QString TestWorkspace::writeBook(const QString &fileName, const QByteArray &content) const
{
    const QString path = bookFolder() + QLatin1Char('/') + fileName;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
    return path;
}

QString TestWorkspace::writeParagraphs(const QByteArray &paragraphs) const
{
    return writeBook(QStringLiteral("livre.xml"), book(paragraphs));
}

void TestWorkspace::clearBooks() const
{
    QDir folder(bookFolder());
    folder.removeRecursively();
    QDir(directory.path()).mkpath(QStringLiteral("Add-on"));
}

QString TestWorkspace::bookFolder() const
{
    return directory.path() + QStringLiteral("/Add-on");
}

QString TestWorkspace::repositoryFile(const QString &relativePath)
{
    return QStringLiteral(VALDORIEL_SOURCE_DIR "/") + relativePath;
}

QByteArray TestWorkspace::book(const QByteArray &paragraphs, const QByteArray &title)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Livre Title=\"" + title + "\">\n" + paragraphs +
        "\n</Livre>\n";
}

QMap<QString, Paragraph> TestWorkspace::load(const QByteArray &content)
{
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly); // as a book file is opened
    QMap<QString, Paragraph> paragraphs;
    BookParser::readBook(&buffer, &paragraphs);
    return paragraphs;
}
