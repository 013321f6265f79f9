#include "mainwindow.h"

#include "bookparser.h"
#include "booktextreader.h"
#include "booktitle.h"
#include "datafolders.h"
#include "displaymenu.h"
#include "gamebook.h"
#include "harringtonfont.h"
#include "randomdice.h"
#include "regularfile.h"
#include "resumequestion.h"
#include "savekeeper.h"
#include "savesdialog.h"
#include "savestore.h"
#include "sharppixmap.h"
#include "theme.h"
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
#include <limits>

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
    Theme::applyKept();
    ui->setupUi(this);
    menuBar()->addMenu(new DisplayMenu(this));
    ui->label->setPixmap(sharpPixmap(QStringLiteral(":/images/Brand.png")));
    RandomDice::shared().seed(time(nullptr));
    setAcceptDrops(true);
    ui->pb_Launch->setEnabled(false);
    scanBooks();
    connect(ui->pb_Launch, &QPushButton::clicked, this, &MainWindow::launchGame);
    // Straight to the automatic save, or to the list of the named ones when there is none.
    connect(ui->pb_Resume, &QPushButton::clicked, this, [this] {
        const QString bookPath = selectedBook();
        playBook(bookPath,
                 SaveStore::hasAutomatic(bookPath) ? ResumeQuestion::Answer::Resume : ResumeQuestion::Answer::Choose);
    });
    connect(ui->listWidget, &QListWidget::currentRowChanged, this, &MainWindow::updateView);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::launchGame()
{
    const QString bookPath = selectedBook();
    if (!bookPath.isEmpty())
        playBook(bookPath, ResumeQuestion::ask(this, bookPath));
}

QString MainWindow::selectedBook() const
{
    const QListWidgetItem *path = pathList.item(ui->listWidget->currentRow());
    return path ? path->text() : QString();
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
        playBook(path, ResumeQuestion::ask(this, path));
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
void MainWindow::playBook(const QString &path, ResumeQuestion::Answer answer)
{
    if (path.isEmpty())
        return;
    const QString automatic = SaveStore::automaticPath(path);
    QString save;
    switch (answer) {
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
    // The library shows what the adventure added once it is over.
    adventureWindow->installEventFilter(this);
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
    const QString path = selectedBook();
    ui->libraryPane->showBook(path, item ? item->text() : QString());
    ui->pb_Resume->setVisible(ui->pb_Launch->isEnabled() && SaveStore::exists(path));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == adventureWindow && event->type() == QEvent::Hide)
        updateView(ui->listWidget->currentRow());
    return QMainWindow::eventFilter(watched, event);
}

// A book is listed once, from the first folder that lists a file of its name: as with the
// files of the data folders, the reader's own copy of a book stands in for the system's,
// and the same folder reached twice (the player started inside its data folder) adds nothing.
void MainWindow::scanBooks()
{
    QSet<QString> listedNames;
    for (const QString &folder : DataFolders::paths(QStringLiteral("Add-on")))
        scanFolder(folder, &listedNames);
}

void MainWindow::scanFolder(const QString &folder, QSet<QString> *listedNames)
{
    const QFileInfoList entries = QDir(folder).entryInfoList({ QStringLiteral("*.xml") });
    for (const QFileInfo &entry : entries) {
        // Only regular files are read: a pipe or a device named like a book would block or
        // never end. The listing has already learnt each entry's type.
        if (!entry.isFile() || listedNames->contains(entry.fileName()))
            continue;
        const QString path = folder + QLatin1Char('/') + entry.fileName();
        QFile file(path);
        if (readFileText(file))
            continue;
        currentTitle = extractTitle(fileText);
        if (currentTitle.isNull())
            continue;
        listedNames->insert(entry.fileName());
        pathList.addItem(path);
        ui->listWidget->addItem(currentTitle);
    }
}

bool MainWindow::readFileText(QFile &file)
{
    // The reader drops carriage returns as text mode would, only where they matter, and
    // reads in pieces of its own, so Qt's text mode and buffer would only copy.
    // Any size: only the head is read, and a book too large to load is still listed.
    if (!RegularFile::open(&file, std::numeric_limits<qint64>::max(), QIODevice::ReadOnly | QIODevice::Unbuffered))
        return true;
    const bool usable = BookTextReader::read(&file, &fileText);
    file.close();
    return !usable;
}

QString MainWindow::extractTitle(const QString &text)
{
    return BookTitle::fromText(text);
}
