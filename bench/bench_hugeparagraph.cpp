// Paragraphs that hold far more than any real book: the time from opening the book to its
// first paragraph on screen, and the memory it takes, for each kind of excess.

#include "benchsupport.h"
#include "gamebook.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct Excess {
    const char *label;
    QByteArray type;
    QByteArray element;
    QByteArray entry;
    int count;
};

QByteArray book(const Excess &excess)
{
    QByteArray entries = excess.entry.repeated(excess.count);
    const QByteArray inner = excess.element.isEmpty()
        ? "<Text>" + entries + "</Text>"
        : "<Text>Trop.</Text><" + excess.element + ">" + entries + "</" + excess.element + ">";
    return "<Livre Title=\"Trop\"><Attr id=\"000\"><Type>" + excess.type + "</Type>" + inner + "</Attr></Livre>";
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    QTemporaryDir workspace;
    if (!workspaceReady(workspace))
        return 1;
    const Excess excesses[] = {
        { "400,000 choices", "C", "Choices", "<C Value=\"000\">Encore</C>", 400000 },
        { "50,000 monsters", "A", "Monster", "<M Name=\"Rat\" Habilete=\"5\" Endurance=\"4\"/>", 50000 },
        { "50,000 objects found", "O", "Objects", "<O><Text>Caillou</Text><Gold Value=\"1\"/></O>", 50000 },
        { "10 MB of text", "X", QByteArray(), "Un mot de plus. ", 10 << 20 >> 4 },
    };
    for (const Excess &excess : excesses) {
        const QString path = workspace.filePath(QStringLiteral("livre.xml"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(book(excess)) < 0)
            return 1;
        file.close();
        gameBook window;
        window.setFileName(path);
        window.show();
        rollHero(&window);
        const Measure measure;
        window.loadGameBook();
        QCoreApplication::processEvents();
        report(QStringLiteral("%1 (%2): opened and shown in %3")
                   .arg(QLatin1String(excess.label), sizeText(file.size()), measure.summary()));
    }
    return 0;
}
