#include "mainwindow.h"

#include "booktextreader.h"
#include "booktitle.h"
#include "gamebook.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include <cstdlib>
#include <ctime>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
{
    ui->setupUi(this);
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
    adventureWindow = new gameBook;
    adventureWindow->setFileName(pathList.item(row)->text());
    adventureWindow->show();
    adventureWindow->rollStartingScores();
    adventureWindow->loadGameBook();
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
