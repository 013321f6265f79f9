#ifndef BOOKTEXTVIEW_H
#define BOOKTEXTVIEW_H

#include "bookpictures.h"

#include <QTextEdit>

// A text view for the HTML of a book. Its document asks the view for every resource that
// the HTML names (pictures, backgrounds, style sheets); the view answers with a picture
// from the book's folder or a transparent pixel, so that no other file is ever read.
class BookTextView : public QTextEdit {
    Q_OBJECT

public:
    explicit BookTextView(const QString &bookPath, QWidget *parent = nullptr);

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    BookPictures pictures;
};

#endif // BOOKTEXTVIEW_H
