#include "booktextview.h"

#include "bookcolours.h"

#include <QAbstractTextDocumentLayout>

#include <cmath>

BookTextView::BookTextView(const QString &bookPath, QWidget *parent)
    : QTextEdit(parent)
    , pictures(bookPath)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The size the layout reports as it goes, which does not force a long text to be laid
    // out whole at once.
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &BookTextView::followDocumentSize);
}

QSize BookTextView::sizeHint() const
{
    return minimumSizeHint();
}

QSize BookTextView::minimumSizeHint() const
{
    const int frame = 2 * frameWidth();
    return QSize(frame, documentHeight + frame);
}

void BookTextView::followDocumentSize(const QSizeF &size)
{
    const int height = int(std::ceil(size.height()));
    if (height == documentHeight)
        return;
    documentHeight = height;
    updateGeometry();
}

// Every kind of request gets a picture, never an empty answer: when the document is handed
// no usable picture, it or its image handler reads the named path itself. Answers are kept
// by name whatever their kind, so a style sheet's answer may later be taken for a picture;
// as a style sheet, a picture is ignored.
QVariant BookTextView::loadResource(int, const QUrl &name)
{
    return pictures.picture(name);
}

void BookTextView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        BookColours::makeReadable(document(), palette());
    QTextEdit::changeEvent(event);
}
