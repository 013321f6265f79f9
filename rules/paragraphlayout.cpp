#include "paragraphlayout.h"

#include "fleerule.h"

#include <QCoreApplication>

namespace {

const QChar sectionSign(0x00A7);
// The text spans one column per choice, though only the first three hold buttons. Past a
// hundred the extra columns add nothing to see but make the grid's layout cost grow with
// the square of the number of choices.
constexpr int maximumTextSpan = 100;

QString text(const char *source)
{
    return QCoreApplication::translate("gameBook", source);
}

// Lays out the codes one by one, keeping the cell where the next button goes.
class Layout {
public:
    Layout(const Paragraph &paragraph, PlayAreaContent *content)
        : paragraph(paragraph)
        , content(content)
    {
    }

    void place(PlayAction::Kind kind, const QString &caption, const QString &target = QString())
    {
        content->actions.append(PlayAction { kind, ParagraphLayout::cut(caption, ParagraphLayout::maximumCaptionLength),
                                             target, row, column });
    }

    void describeMonsters()
    {
        const int count = paragraph.monsters.size();
        if (count == 0)
            return;
        const int described = qMin(count, ParagraphLayout::maximumMonstersDescribed - int(content->monsters.size()));
        for (int number = 1; number <= described; ++number) {
            Monster monster = paragraph.monsters.value(subMapKey('M', number));
            monster.name = ParagraphLayout::cut(monster.name, ParagraphLayout::maximumCaptionLength);
            content->monsters.append(monster);
        }
        if (count > described)
            content->notes.append(text("… et %1 autres monstres.").arg(count - described));
        if (count == 1) {
            place(PlayAction::Kind::Attack, text("Attaquer ") + content->monsters.first().name);
            ++row;
        }
    }

    // The first three choices stand side by side; each further one has a row of its own.
    void placeChoices()
    {
        const int count = paragraph.choices.size();
        span = count;
        const int placed = qMin(count, ParagraphLayout::maximumChoiceButtons - choicesPlaced);
        choicesPlaced += placed;
        for (int number = 1; number <= placed; ++number) {
            const Choice choice = paragraph.choices.value(subMapKey('C', number));
            if (number <= 3) {
                column = number - 1;
            } else {
                ++row;
                column = 0;
            }
            place(PlayAction::Kind::Choice, choice.text, choice.target);
        }
        if (count > placed)
            content->notes.append(text("… et %1 autres choix.").arg(count - placed));
    }

    int row = 1;
    int column = 0;
    int span = 1;

private:
    // Over all the paragraph's codes, for a type that repeats "C".
    int choicesPlaced = 0;
    const Paragraph &paragraph;
    PlayAreaContent *content;
};

} // namespace

PlayAreaContent ParagraphLayout::lay(const Paragraph &paragraph, bool visited)
{
    PlayAreaContent content;
    content.text = cut(visibleText(paragraph.text, visited), maximumTextLength);
    Layout layout(paragraph, &content);
    for (const QString &code : codes(paragraph)) {
        if (code == QLatin1String("E")) {
            layout.place(PlayAction::Kind::Meal, text("Prendre un repas ?"));
            ++layout.row;
        }
        if (code == QLatin1String("L"))
            layout.place(PlayAction::Kind::Luck, text("Tentez votre chance !"));
        if (code == QLatin1String("A"))
            layout.describeMonsters();
        if (code == QLatin1String("F") && FleeRule::of(paragraph).offersFlightAtOnce()) {
            layout.place(PlayAction::Kind::Flee, text("Fuir"), paragraph.fleeRef);
            ++layout.row;
        }
        if (code == QLatin1String("C"))
            layout.placeChoices();
        if (code == QLatin1String("X") || code == QLatin1String("V"))
            layout.place(PlayAction::Kind::End, text("Terminer"));
    }
    content.textSpan = qMin(layout.span, maximumTextSpan);
    return content;
}

QStringList ParagraphLayout::codes(const Paragraph &paragraph)
{
    QStringList codes;
    const QString &type = paragraph.type;
    for (int start = 0; start <= type.size() && codes.size() < maximumCodes;) {
        int comma = type.indexOf(QLatin1Char(','), start);
        if (comma < 0)
            comma = type.size();
        if (comma > start)
            codes.append(type.mid(start, comma - start));
        start = comma + 1;
    }
    return codes;
}

QString ParagraphLayout::visibleText(const QString &text, bool visited)
{
    const int sign = text.indexOf(sectionSign);
    if (sign < 0)
        return text;
    if (visited)
        return text.mid(sign + 1);
    QString whole = text;
    return whole.replace(sectionSign, QLatin1Char(' '));
}

PlayAreaContent ParagraphLayout::outcome(PlayAreaContent::Shows shows, const QString &text, PlayAction::Kind kind,
                                         const QString &caption, const QString &target)
{
    PlayAreaContent content;
    content.shows = shows;
    content.text = cut(text, maximumTextLength);
    content.actions.append(PlayAction { kind, caption, target, 1, 0 });
    return content;
}

QString ParagraphLayout::cut(const QString &text, int maximum)
{
    return text.size() <= maximum ? text : text.left(maximum) + QChar(0x2026);
}
