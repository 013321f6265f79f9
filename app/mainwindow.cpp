#include "mainwindow.h"

#include "bookparser.h"
#include "booktextreader.h"
#include "booktitle.h"
#include "datafolders.h"
#include "displaymenu.h"
#include "gamebook.h"
#include "harringtonfont.h"
#include "regularfile.h"
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
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
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
    srand(time(nullptr));
    setAcceptDrops(true);
    ui->pb_Launch->setEnabled(false);
    scanBooks();
    connect(ui->pb_Launch, &QPushButton::clicked, this, &MainWindow::launchGame);
    connect(ui->pb_Resume, &QPushButton::clicked, this, [this] { playBook(selectedBook(), true); });
    connect(ui->listWidget, &QListWidget::currentRowChanged, this, &MainWindow::updateView);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::launchGame()
{
    const QString bookPath = selectedBook();
    if (bookPath.isEmpty())
        return;
    playBook(bookPath, SaveStore::exists(bookPath) && askToResume());
}

QString MainWindow::selectedBook() const
{
    const QListWidgetItem *path = pathList.item(ui->listWidget->currentRow());
    return path ? path->text() : QString();
}

void MainWindow::playBook(const QString &bookPath, bool resume)
{
    if (bookPath.isEmpty())
        return;
    gameBook *window = openAdventureWindow(bookPath);
    if (resume && window->resumeSavedAdventure())
        return;
    window->rollStartingScores();
    window->loadGameBook();
}

void MainWindow::startBook(const QString &path, const QString &firstParagraph, std::optional<unsigned> seed)
{
    gameBook *window = openAdventureWindow(path);
    QFile book(path);
    if (!BookParser::openBook(&book)) {
        window->loadGameBook(); // which says the file cannot be opened
        return;
    }
    book.close();
    if (seed)
        srand(*seed);
    window->rollStartingScores();
    window->loadGameBook(firstParagraph);
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

// A new adventure leaves the save as it is, to be taken up another time.
bool MainWindow::askToResume()
{
    QMessageBox question(QMessageBox::Question, tr("Reprendre l'aventure ?"),
                         tr("Une aventure de ce livre a été sauvegardée. Voulez-vous la reprendre où vous l'aviez "
                            "laissée ?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setButtonText(QMessageBox::Yes, tr("Reprendre"));
    question.setButtonText(QMessageBox::No, tr("Nouvelle aventure"));
    question.setDefaultButton(QMessageBox::Yes);
    return question.exec() == QMessageBox::Yes;
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
