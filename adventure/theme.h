#ifndef THEME_H
#define THEME_H

#include <QCoreApplication>
#include <QList>
#include <QPalette>
#include <QString>

// The look of every window and dialog of the player: the desktop's own palette ("Système",
// the default), or one of the player's, light, dark or sepia, drawn with Qt's Fusion style
// so that the palette is followed everywhere. In each, every text reads at a contrast of at
// least 4.5:1 against its background: the desktop's palette is mended where it falls short.
class Theme {
    Q_DECLARE_TR_FUNCTIONS(Theme)

public:
    enum class Kind { System, Light, Dark, Sepia };

    static constexpr double minimumContrast = 4.5;

    static QList<Kind> all();
    // "Système", "Clair", "Sombre", "Sépia".
    static QString name(Kind kind);
    static Kind current();

    // Gives the whole application the theme, and keeps the choice for the next start.
    static void choose(Kind kind);
    // Gives the whole application the theme kept, or the desktop's when none is.
    static void applyKept();

    static QPalette palette(Kind kind);
    // WCAG's contrast ratio between two colours, from 1 to 21.
    static double contrast(const QColor &first, const QColor &second);

private:
    static void apply(Kind kind);
};

#endif // THEME_H
