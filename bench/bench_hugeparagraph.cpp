// Paragraphs that hold far more than any real book: the time from opening the book to its
// first paragraph on screen, and the memory it takes, for each kind of excess.

#include "benchsupport.h"
#include "gamebook.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

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
        { "1,000 choices", "C", "Choices", "<C Value=\"000\">Encore</C>", 1000 },
        { "400,000 choices", "C", "Choices", "<C Value=\"000\">Encore</C>", 400000 },
        { "1,000 monsters", "A", "Monster", "<M Name=\"Rat\" Habilete=\"5\" Endurance=\"4\"/>", 1000 },
        { "50,000 monsters", "A", "Monster", "<M Name=\"Rat\" Habilete=\"5\" Endurance=\"4\"/>", 50000 },
        { "1,000 objects found", "O", "Objects", "<O><Text>Caillou</Text><Gold Value=\"1\"/></O>", 1000 },
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
        window.setKeptAutomatically(false); // writes nothing among the user's files
        window.setFileName(path);
        window.show();
        rollHero(&window);
        // A book past the loader's limits is refused with a message box, answered here.
        bool refused = false;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&refused] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                refused = true;
                box->accept();
            }
        });
        answerer.start(5);
        const Measure measure;
        window.loadGameBook();
        QCoreApplication::processEvents();
        report(QStringLiteral("%1 (%2): %3 in %4")
                   .arg(QLatin1String(excess.label), sizeText(file.size()),
                        refused ? QStringLiteral("refused") : QStringLiteral("opened and shown"), measure.summary()));
    }
    return 0;
}
