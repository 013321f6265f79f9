#include "theme.h"

#include "readersettings.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <cmath>

namespace {

const QString themeKey = QStringLiteral("display/theme");

struct Look {
    Theme::Kind kind;
    const char *key;
    const char *name;
};

constexpr Look looks[] = {
    { Theme::Kind::System, "system", QT_TRANSLATE_NOOP("Theme", "Système") },
    { Theme::Kind::Light, "light", QT_TRANSLATE_NOOP("Theme", "Clair") },
    { Theme::Kind::Dark, "dark", QT_TRANSLATE_NOOP("Theme", "Sombre") },
    { Theme::Kind::Sepia, "sepia", QT_TRANSLATE_NOOP("Theme", "Sépia") },
};

// The colours of one of the player's palettes.
struct Colours {
    const char *window, *windowText, *base, *alternateBase, *text, *button, *buttonText, *highlight, *highlightedText,
        *link, *linkVisited, *disabledText;
};

Colours coloursOf(Theme::Kind kind)
{
    switch (kind) {
    case Theme::Kind::Dark:
        return { "#2b2b2b", "#e8e8e8", "#1e1e1e", "#262626", "#e8e8e8", "#3a3a3a",
                 "#f0f0f0", "#2f6aa8", "#ffffff", "#8ab4f8", "#c8a2f8", "#8c8c8c" };
    case Theme::Kind::Sepia:
        return { "#efe3c8", "#3b2f20", "#f8f0dc", "#f1e6cc", "#3b2a17", "#e4d3ae",
                 "#3b2a17", "#8b5a2b", "#fffaf0", "#7a3b0c", "#5e2a5a", "#8c7a60" };
    case Theme::Kind::Light:
    case Theme::Kind::System:
        break;
    }
    return { "#f4f4f4", "#1a1a1a", "#ffffff", "#f0f0f0", "#1a1a1a", "#e8e8e8",
             "#1a1a1a", "#1f5fa8", "#ffffff", "#0b4fa0", "#6a2a90", "#8c8c8c" };
}

QPalette paletteOf(const Colours &colours)
{
    QPalette palette { QColor(colours.button), QColor(colours.window) };
    const QPair<QPalette::ColorRole, const char *> roles[] = {
        { QPalette::WindowText, colours.windowText },
        { QPalette::Base, colours.base },
        { QPalette::AlternateBase, colours.alternateBase },
        { QPalette::Text, colours.text },
        { QPalette::ButtonText, colours.buttonText },
        { QPalette::Highlight, colours.highlight },
        { QPalette::HighlightedText, colours.highlightedText },
        { QPalette::Link, colours.link },
        { QPalette::LinkVisited, colours.linkVisited },
        { QPalette::ToolTipBase, colours.base },
        { QPalette::ToolTipText, colours.text },
        { QPalette::BrightText, colours.highlightedText },
        { QPalette::PlaceholderText, colours.disabledText },
    };
    for (const auto &role : roles)
        palette.setColor(role.first, QColor(role.second));
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, QColor(colours.disabledText));
    return palette;
}

// Black or white, whichever reads better on `background`: one of them always reads.
QColor readableOn(const QColor &background)
{
    return Theme::contrast(Qt::black, background) >= Theme::contrast(Qt::white, background) ? QColor(Qt::black)
                                                                                            : QColor(Qt::white);
}

// Every text of the palette on its background, in the groups an enabled widget is drawn with.
void mend(QPalette *palette)
{
    const QPair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        { QPalette::WindowText, QPalette::Window },
        { QPalette::Text, QPalette::Base },
        { QPalette::Text, QPalette::AlternateBase },
        { QPalette::ButtonText, QPalette::Button },
        { QPalette::HighlightedText, QPalette::Highlight },
        { QPalette::ToolTipText, QPalette::ToolTipBase },
        { QPalette::Link, QPalette::Base },
        { QPalette::LinkVisited, QPalette::Base },
    };
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        for (const auto &pair : pairs) {
            const QColor background = palette->color(group, pair.second);
            if (Theme::contrast(palette->color(group, pair.first), background) < Theme::minimumContrast)
                palette->setColor(group, pair.first, readableOn(background));
        }
    }
}

// The desktop's look, as the application had it before any theme was applied.
struct DesktopLook {
    QString style;
    QPalette palette;
};

const DesktopLook &desktopLook()
{
    static const DesktopLook look { QApplication::style()->objectName(), QApplication::palette() };
    return look;
}

Theme::Kind applied = Theme::Kind::System;
bool anyApplied = false;

double luminance(const QColor &colour)
{
    const auto channel = [](qreal value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

} // namespace

QList<Theme::Kind> Theme::all()
{
    QList<Kind> kinds;
    for (const Look &look : looks)
        kinds.append(look.kind);
    return kinds;
}

QString Theme::name(Kind kind)
{
    for (const Look &look : looks) {
        if (look.kind == kind)
            return tr(look.name);
    }
    return QString();
}

Theme::Kind Theme::current()
{
    return applied;
}

void Theme::choose(Kind kind)
{
    apply(kind);
    for (const Look &look : looks) {
        if (look.kind == kind)
            ReaderSettings::setValue(themeKey, QLatin1String(look.key));
    }
}

void Theme::applyKept()
{
    const QString key = ReaderSettings::text(themeKey);
    Kind kind = Kind::System;
    for (const Look &look : looks) {
        if (key == QLatin1String(look.key))
            kind = look.kind;
    }
    apply(kind);
}

void Theme::apply(Kind kind)
{
    if (anyApplied && kind == applied)
        return;
    const DesktopLook &desktop = desktopLook();
    const QString style = kind == Kind::System ? desktop.style : QStringLiteral("Fusion");
    if (QApplication::style()->objectName().compare(style, Qt::CaseInsensitive) != 0) {
        if (QStyle *created = QStyleFactory::create(style))
            QApplication::setStyle(created);
    }
    QApplication::setPalette(palette(kind));
    // A widget under a style sheet keeps the palette it was polished with until it is
    // polished again.
    for (QWidget *widget : QApplication::allWidgets()) {
        if (!widget->styleSheet().isEmpty())
            widget->setStyleSheet(widget->styleSheet());
    }
    applied = kind;
    anyApplied = true;
}

QPalette Theme::palette(Kind kind)
{
    QPalette palette = kind == Kind::System ? desktopLook().palette : paletteOf(coloursOf(kind));
    mend(&palette);
    return palette;
}

double Theme::contrast(const QColor &first, const QColor &second)
{
    const double lighter = qMax(luminance(first), luminance(second));
    const double darker = qMin(luminance(first), luminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}
