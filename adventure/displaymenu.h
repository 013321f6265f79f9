#ifndef DISPLAYMENU_H
#define DISPLAYMENU_H

#include <QMenu>

// The menu "Affichage": the size of the play area's text (Ctrl++, Ctrl+-, Ctrl+0), the
// theme of every window, and the paragraphs' font. Each choice takes effect at once and is
// kept for the next start.
class DisplayMenu : public QMenu {
    Q_OBJECT

public:
    explicit DisplayMenu(QWidget *parent);

Q_SIGNALS:
    // The size or the family of the play area's text changed.
    void textChanged();

private:
    void addTextSizes();
    void addThemes();
    void addFonts();
    void chooseFont();
};

#endif // DISPLAYMENU_H
