#include "mainwindow.h"

#include "bookparser.h"
#include "booktextreader.h"
#include "booktitle.h"
#include "datafolder.h"
#include "gamebook.h"
#include "harringtonfont.h"
#include "randomdice.h"
#include "regularfile.h"
#include "resumequestion.h"
#include "savekeeper.h"
#include "savesdialog.h"
#include "savestore.h"
#include "sharppixmap.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include <ctime>

namespace {

// The first local .xml file dropped; empty when there is none.
QString droppedBook(const QMimeData *data)
{
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(QLatin1String(".xml"), Qt::CaseInsensitive))
            return url.toLocalFile();
    }
    return QString();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
{
    useHarringtonStandIns();
    ui->setupUi(this);
    ui->label->setPixmap(sharpPixmap(QStringLiteral(":/images/Brand.png")));
    RandomDice::shared().seed(time(nullptr));
    setAcceptDrops(true);
    ui->pb_Launch->setEnabled(false);
    scanBooks();
    connect(ui->pb_Launch, &QPushButton::clicked, this, &MainWindow::launchGame);
    connect(ui->listWidget, &QListWidget::currentRowChanged, this, &MainWindow::updateView);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::launchGame()
{
    const int row = ui->listWidget->currentRow();
    if (row >= 0)
        playBook(pathList.item(row)->text());
}

void MainWindow::startBook(const QString &path, const QString &firstParagraph, std::optional<unsigned> seed)
{
    QFile book(path);
    if (!BookParser::openBook(&book)) {
        openAdventureWindow(path)->loadGameBook(); // which says the file cannot be opened
        return;
    }
    book.close();
    if (firstParagraph == QLatin1String("000") && !seed) {
        playBook(path);
        return;
    }
    // An author's trial run asks nothing and keeps nothing by itself.
    gameBook *window = openAdventureWindow(path);
    window->setKeptAutomatically(false);
    if (seed)
        RandomDice::shared().seed(*seed);
    window->rollStartingScores();
    window->loadGameBook(firstParagraph);
}

// Before another adventure takes the place of the one in the automatic save, that one is
// kept among the named saves, even when it cannot be read.
void MainWindow::playBook(const QString &path)
{
    const QString automatic = SaveStore::automaticPath(path);
    QString save;
    switch (ResumeQuestion::ask(this, path)) {
    case ResumeQuestion::Answer::Resume:
        save = automatic;
        break;
    case ResumeQuestion::Answer::Choose: {
        SavesDialog saves(path, this);
        if (saves.exec() != QDialog::Accepted)
            return;
        save = saves.chosenPath();
        break;
    }
    case ResumeQuestion::Answer::NewAdventure:
        break;
    }
    if (save != automatic && !SaveKeeper::keepAutomatic(this, path))
        return;
    gameBook *window = openAdventureWindow(path);
    QString error;
    if (!save.isEmpty()) {
        if (window->takeUp(save, &error))
            return;
        ResumeQuestion::sayUnreadable(window, error);
        if (!SaveKeeper::keepAutomatic(window, path)) {
            window->close();
            return;
        }
    }
    window->rollStartingScores();
    window->loadGameBook();
}

gameBook *MainWindow::openAdventureWindow(const QString &path)
{
    // Only the last adventure is remembered. An earlier one that is hidden is over and
    // is freed now; one still on screen frees itself when it is closed.
    if (adventureWindow) {
        if (adventureWindow->isVisible())
            adventureWindow->setAttribute(Qt::WA_DeleteOnClose);
        else
            adventureWindow->deleteLater();
    }
    adventureWindow = new gameBook;
    adventureWindow->setFileName(path);
    adventureWindow->show();
    return adventureWindow;
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedBook(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// Started once the drop is over, so that the dialogs of the adventure do not hold it.
void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedBook(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, path] { startBook(path); });
}

void MainWindow::updateView(int row)
{
    const QListWidgetItem *item = ui->listWidget->item(row);
    ui->pb_Launch->setEnabled(item && !item->text().isEmpty());
}

void MainWindow::scanBooks()
{
    const QString bundled = QDir::currentPath() + QStringLiteral("/Add-on");
    const QString own = dataFolder() + QStringLiteral("/Add-on");
    scanFolder(bundled);
    // Installed for the reader alone, the player runs in its data folder: the two are one.
    if (QFileInfo(own).canonicalFilePath() != QFileInfo(bundled).canonicalFilePath())
        scanFolder(own);
}

void MainWindow::scanFolder(const QString &folder)
{
    const QFileInfoList entries = QDir(folder).entryInfoList({ QStringLiteral("*.xml") });
    for (const QFileInfo &entry : entries) {
        // Only regular files are read: a pipe or a device named like a book would block or
        // never end. The listing has already learnt each entry's type.
        if (!entry.isFile())
            continue;
        const QString path = folder + QLatin1Char('/') + entry.fileName();
        QFile file(path);
        if (readFileText(file))
            continue;
        currentTitle = extractTitle(fileText);
        if (currentTitle.isNull())
            continue;
        pathList.addItem(path);
        ui->listWidget->addItem(currentTitle);
    }
}

bool MainWindow::readFileText(QFile &file)
{
    // The reader drops carriage returns as text mode would, only where they matter, and
    // reads in pieces of its own, so Qt's text mode and buffer would only copy.
    if (!RegularFile::open(&file, BookParser::maximumFileSize, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return true;
    const bool usable = BookTextReader::read(&file, &fileText);
    file.close();
    return !usable;
}

QString MainWindow::extractTitle(const QString &text)
{
    return BookTitle::fromText(text);
}
