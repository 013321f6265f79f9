#include "mainwindow.h"

#include "booktextreader.h"
#include "booktitle.h"
#include "gamebook.h"
#include "harringtonfont.h"
#include "savestore.h"
#include "sharppixmap.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <cstdlib>
#include <ctime>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
{
    useHarringtonStandIns();
    ui->setupUi(this);
    ui->label->setPixmap(sharpPixmap(QStringLiteral(":/images/Brand.png")));
    srand(time(nullptr));
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
    if (row < 0)
        return;
    // Only the last adventure is remembered. An earlier one that is hidden is over and
    // is freed now; one still on screen frees itself when it is closed.
    if (adventureWindow) {
        if (adventureWindow->isVisible())
            adventureWindow->setAttribute(Qt::WA_DeleteOnClose);
        else
            adventureWindow->deleteLater();
    }
    const QString bookPath = pathList.item(row)->text();
    const bool resume = SaveStore::exists(bookPath) && askToResume();
    adventureWindow = new gameBook;
    adventureWindow->setFileName(bookPath);
    adventureWindow->show();
    if (resume && adventureWindow->resumeSavedAdventure())
        return;
    adventureWindow->rollStartingScores();
    adventureWindow->loadGameBook();
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
}

void MainWindow::scanBooks()
{
    const QString folder = QDir::currentPath() + QStringLiteral("/Add-on");
    const QFileInfoList entries = QDir(folder).entryInfoList({ QStringLiteral("*.xml") });
    for (const QFileInfo &entry : entries) {
        // Only regular files are read: a pipe or a device named like a book would block or
        // never end. The listing has already learnt each entry's type.
        if (!entry.isFile())
            continue;
        QFile file(folder + QLatin1Char('/') + entry.fileName());
        if (readFileText(file))
            continue;
        currentTitle = extractTitle(fileText);
        if (currentTitle.isNull())
            continue;
        pathList.addItem(file.fileName());
        ui->listWidget->addItem(currentTitle);
    }
}

bool MainWindow::readFileText(QFile &file)
{
    // The reader drops carriage returns as text mode would, only where they matter, and
    // reads in pieces of its own, so Qt's text mode and buffer would only copy.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return true;
    const bool usable = BookTextReader::read(&file, &fileText);
    file.close();
    return !usable;
}

QString MainWindow::extractTitle(const QString &text)
{
    return BookTitle::fromText(text);
}
