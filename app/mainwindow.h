#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QString>

class QFile;
class Ui_MainWindow;
class gameBook;

// The book-selection window: lists the books of Add-on by title and starts an adventure
// on the one selected.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private Q_SLOTS:
    void launchGame();
    void updateView(int row);

private:
    bool askToResume();
    void scanBooks();
    // True when the file cannot be read or holds no usable text.
    bool readFileText(QFile &file);
    static QString extractTitle(const QString &text);

    Ui_MainWindow *ui;
    // Row i holds the path of the book shown in row i of the visible list.
    QListWidget pathList;
    QString fileText;
    QString currentTitle;
    QPointer<gameBook> adventureWindow;
};

#endif // MAINWINDOW_H
