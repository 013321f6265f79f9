#ifndef BOOKCOLOURS_H
#define BOOKCOLOURS_H

class QPalette;
class QTextDocument;

// Keeps a book's HTML readable in every theme: a book may colour its text and backgrounds
// for a white page, which a dark theme would turn to dark on dark. Where a text would read
// at less than the theme's contrast against what lies under it, the book's colours of that
// text give way to the theme's, and then, if need be, the background of its block too.
class BookColours {
public:
    static void makeReadable(QTextDocument *document, const QPalette &palette);
};

#endif // BOOKCOLOURS_H
