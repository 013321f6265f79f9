#ifndef PARAGRAPHLAYOUT_H
#define PARAGRAPHLAYOUT_H

#include "paragraph.h"
#include "playareacontent.h"

// Lays a paragraph out in the play area: its text as the visit shows it, its monsters and
// one action per code of its type, each in its cell.
class ParagraphLayout {
public:
    // Past these counts a paragraph only says how many more it holds: every real book stays
    // far below them, and a hostile one cannot make the player build widgets without end.
    static constexpr int maximumChoiceButtons = 100;
    static constexpr int maximumMonstersDescribed = 100;
    // A type is read up to its twentieth code: real books give a handful, and each repeated
    // code lays its buttons and applies its effects again.
    static constexpr int maximumCodes = 20;
    // Texts and captions are cut there, for the same reason: laying out a text costs time
    // in proportion to its length, about a second for a million characters.
    static constexpr int maximumTextLength = 100000;
    static constexpr int maximumCaptionLength = 1000;

    static PlayAreaContent lay(const Paragraph &paragraph, bool visited);
    // The codes of the paragraph's type, split at commas, empty ones dropped, no trimming.
    static QStringList codes(const Paragraph &paragraph);
    // What comes before the first "§" is read on the first visit only.
    static QString visibleText(const QString &text, bool visited);
    // What followed a press: its text, and one button under it.
    static PlayAreaContent outcome(PlayAreaContent::Shows shows, const QString &text, PlayAction::Kind kind,
                                   const QString &caption, const QString &target = QString());
    // `text` cut at `maximum` characters, with an ellipsis where it was cut.
    static QString cut(const QString &text, int maximum);
};

#endif // PARAGRAPHLAYOUT_H
