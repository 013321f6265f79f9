#include "booktextview.h"

BookTextView::BookTextView(const QString &bookPath, QWidget *parent)
    : QTextEdit(parent)
    , pictures(bookPath)
{
}

// Every kind of request gets a picture, never an empty answer: when the document is handed
// no usable picture, it or its image handler reads the named path itself. Answers are kept
// by name whatever their kind, so a style sheet's answer may later be taken for a picture;
// as a style sheet, a picture is ignored.
QVariant BookTextView::loadResource(int, const QUrl &name)
{
    return pictures.picture(name);
}
