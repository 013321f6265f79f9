#ifndef LIBRARYPANE_H
#define LIBRARYPANE_H

#include <QString>
#include <QWidget>

class BookOutlineReader;
class Ui_LibraryPane;

// The pane beside the book list: the selected book's title and paragraphs, and what the
// reader has explored of it over all their adventures (paragraphs read, endings and
// victories found, adventures begun, the last one's date, and whether one can be taken up).
// The book is read in the background; its counts follow once it is.
class LibraryPane : public QWidget {
    Q_OBJECT

public:
    explicit LibraryPane(QWidget *parent = nullptr);
    ~LibraryPane() override;

    // An empty path shows that no book is selected.
    void showBook(const QString &path, const QString &title);
    // Shows the selected book again, as an adventure in it may have changed what is known.
    void refresh();

private:
    void showCounts();

    Ui_LibraryPane *ui;
    BookOutlineReader *reader;
    QString path;
    QString title;
};

#endif // LIBRARYPANE_H
