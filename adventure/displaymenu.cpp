#include "displaymenu.h"

#include "textzoom.h"
#include "theme.h"

#include <QActionGroup>
#include <QFontDialog>

DisplayMenu::DisplayMenu(QWidget *parent)
    : QMenu(tr("Affichage"), parent)
{
    setObjectName(QStringLiteral("menuAffichage"));
    // The tooltip of a disabled entry says why it is.
    setToolTipsVisible(true);
    addTextSizes();
    addSeparator();
    addThemes();
    addSeparator();
    addFonts();
}

void DisplayMenu::addTextSizes()
{
    const struct {
        const char *objectName;
        QString text;
        QList<QKeySequence> keys;
        bool (*change)();
    } sizes[] = {
        { "actionAgrandir",
          tr("Agrandir le texte"),
          { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) },
          &TextZoom::zoomIn },
        { "actionReduire", tr("Réduire le texte"), { QKeySequence(Qt::CTRL | Qt::Key_Minus) }, &TextZoom::zoomOut },
        { "actionTailleNormale", tr("Taille normale"), { QKeySequence(Qt::CTRL | Qt::Key_0) }, &TextZoom::reset },
    };
    for (const auto &size : sizes) {
        QAction *action = addAction(size.text);
        action->setObjectName(QLatin1String(size.objectName));
        action->setShortcuts(size.keys);
        const auto change = size.change;
        connect(action, &QAction::triggered, this, [this, change] {
            if (change())
                Q_EMIT textChanged();
        });
    }
}

void DisplayMenu::addThemes()
{
    QMenu *themes = addMenu(tr("Thème"));
    themes->setObjectName(QStringLiteral("menuTheme"));
    auto *group = new QActionGroup(themes);
    for (Theme::Kind kind : Theme::all()) {
        QAction *action = themes->addAction(Theme::name(kind));
        action->setCheckable(true);
        action->setChecked(kind == Theme::current());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [kind] { Theme::choose(kind); });
    }
    // Another window may have changed the theme since.
    connect(themes, &QMenu::aboutToShow, this, [group] {
        const QList<QAction *> actions = group->actions();
        for (int index = 0; index < actions.size(); ++index)
            actions.at(index)->setChecked(Theme::all().at(index) == Theme::current());
    });
}

void DisplayMenu::addFonts()
{
    QAction *choose = addAction(tr("Police du texte…"));
    choose->setObjectName(QStringLiteral("actionPolice"));
    connect(choose, &QAction::triggered, this, &DisplayMenu::chooseFont);
    QAction *original = addAction(tr("Police d'origine"));
    original->setObjectName(QStringLiteral("actionPoliceOrigine"));
    connect(original, &QAction::triggered, this, [this] {
        TextZoom::setTextFamily(QString());
        Q_EMIT textChanged();
    });
}

// Only the family is taken: the size stays the one chosen with the keys.
void DisplayMenu::chooseFont()
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, TextZoom::textFont(), parentWidget(), tr("Police du texte"));
    if (!chosen)
        return;
    TextZoom::setTextFamily(font.family());
    Q_EMIT textChanged();
}
