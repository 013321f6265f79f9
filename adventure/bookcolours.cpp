#include "bookcolours.h"

#include "theme.h"

#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

bool readable(const QColor &text, const QColor &background)
{
    return Theme::contrast(text, background) >= Theme::minimumContrast;
}

// What lies under the text of `block`: its own background, that of its table cell, or the page.
QColor backgroundOf(const QTextBlock &block, const QColor &page)
{
    if (block.blockFormat().hasProperty(QTextFormat::BackgroundBrush))
        return block.blockFormat().background().color();
    // Most paragraphs have no table, and need no cursor to tell it.
    if (block.document()->rootFrame()->childFrames().isEmpty())
        return page;
    QTextCursor cursor(block);
    if (QTextTable *table = cursor.currentTable()) {
        const QTextCharFormat cell = table->cellAt(cursor).format();
        if (cell.hasProperty(QTextFormat::BackgroundBrush))
            return cell.background().color();
    }
    return page;
}

void dropBackground(const QTextBlock &block)
{
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    if (format.hasProperty(QTextFormat::BackgroundBrush)) {
        format.clearBackground();
        cursor.setBlockFormat(format);
    }
    if (QTextTable *table = cursor.currentTable()) {
        QTextTableCell cell = table->cellAt(cursor);
        QTextCharFormat cellFormat = cell.format();
        cellFormat.clearBackground();
        cell.setFormat(cellFormat);
    }
}

// A page coloured by the book (its body's background) counts as the page.
QColor pageOf(QTextDocument *document, const QPalette &palette)
{
    QTextFrameFormat format = document->rootFrame()->frameFormat();
    if (format.hasProperty(QTextFormat::BackgroundBrush)) {
        if (readable(palette.color(QPalette::Text), format.background().color()))
            return format.background().color();
        format.clearBackground();
        document->rootFrame()->setFrameFormat(format);
    }
    return palette.color(QPalette::Base);
}

} // namespace

void BookColours::makeReadable(QTextDocument *document, const QPalette &palette)
{
    // Not to be undone by the reader's Ctrl+Z in the text.
    const bool undoable = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    const QColor page = pageOf(document, palette);
    const QColor themeText = palette.color(QPalette::Text);
    // Gathered first: a format changed while walking the fragments would merge them under the walk.
    QList<QPair<int, int>> unreadable;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (!readable(themeText, backgroundOf(block, page)))
            dropBackground(block);
        const QColor under = backgroundOf(block, page);
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            const bool coloured = format.hasProperty(QTextFormat::ForegroundBrush);
            const bool marked = format.hasProperty(QTextFormat::BackgroundBrush);
            const QColor text = coloured ? format.foreground().color() : themeText;
            if ((coloured || marked) && !readable(text, marked ? format.background().color() : under))
                unreadable.append({ fragment.fragment().position(), fragment.fragment().length() });
        }
    }
    for (const auto &range : qAsConst(unreadable)) {
        QTextCursor cursor(document);
        cursor.setPosition(range.first);
        cursor.setPosition(range.first + range.second, QTextCursor::KeepAnchor);
        QTextCharFormat plain = cursor.charFormat();
        plain.clearForeground();
        plain.clearBackground();
        cursor.setCharFormat(plain);
    }
    document->setUndoRedoEnabled(undoable);
}
