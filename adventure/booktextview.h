#ifndef BOOKTEXTVIEW_H
#define BOOKTEXTVIEW_H

#include "bookpictures.h"

#include <QTextEdit>

// A text view for the HTML of a book. Its document asks the view for every resource that
// the HTML names (pictures, backgrounds, style sheets); the view answers with a picture
// from the book's folder or a transparent pixel, so that no other file is ever read.
//
// The view wraps the text at its width and grows to the height of its document, scrolling
// neither way itself: the play area around it scrolls the text and the buttons under it
// together, as one page.
class BookTextView : public QTextEdit {
    Q_OBJECT

public:
    explicit BookTextView(const QString &bookPath, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    QVariant loadResource(int type, const QUrl &name) override;
    // A new theme may leave the book's colours unreadable.
    void changeEvent(QEvent *event) override;

private:
    void followDocumentSize(const QSizeF &size);

    BookPictures pictures;
    // The height of the document laid out so far at the view's width.
    int documentHeight = 0;
};

#endif // BOOKTEXTVIEW_H
