#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "resumequestion.h"

#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QString>

#include <optional>

class QFile;
class Ui_MainWindow;
class gameBook;

// The book-selection window: lists by title the books of Add-on in the working folder, then
// those of the reader's own Add-on folder, then the installed ones, and starts an adventure
// on the one selected, or on a book dropped on it.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Starts the book at once, as the list does, asking first whether to take up its saves.
    // Given `firstParagraph` or `seed`, an author's trial run begins instead, without asking:
    // its dice, then `firstParagraph` as a first visit, the dice drawn from `seed` when one is
    // given. A file that cannot be read is said to be so before any dice.
    void startBook(const QString &path, const QString &firstParagraph = QStringLiteral("000"),
                   std::optional<unsigned> seed = std::nullopt);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private Q_SLOTS:
    void launchGame();
    void updateView(int row);

private:
    // The path of the book selected; empty when there is none.
    QString selectedBook() const;
    // Takes up a save of the book, or begins a new adventure, as the reader answered.
    void playBook(const QString &path, ResumeQuestion::Answer answer);
    // A new adventure window, in place of the last one.
    gameBook *openAdventureWindow(const QString &path);
    void scanBooks();
    void scanFolder(const QString &folder, QSet<QString> *listedNames);
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
