#include "way.h"

#include "fleerule.h"
#include "paragraphlayout.h"

QList<Way> Way::of(const Paragraph &paragraph, const PlayAreaContent &laid, int index)
{
    const PlayAction &action = laid.actions.at(index);
    const Way flight { Kind::Flight, FleeRule::of(paragraph).ref, QString(), QStringLiteral("Flee") };
    switch (action.kind) {
    case PlayAction::Kind::Choice: {
        // Each code C lays the choices from the first again.
        int earlierChoices = 0;
        for (int earlier = 0; earlier < index; ++earlier)
            earlierChoices += laid.actions.at(earlier).kind == PlayAction::Kind::Choice ? 1 : 0;
        // A screen resumed on a book changed since may show more choices than the paragraph has.
        const int laidChoices = qMin(paragraph.choices.size(), ParagraphLayout::maximumChoiceButtons);
        const int number = laidChoices > 0 ? earlierChoices % laidChoices + 1 : earlierChoices + 1;
        return { { Kind::Choice, action.target, action.caption, subMapKey('C', number) } };
    }
    case PlayAction::Kind::Luck:
        return { { Kind::Lucky, paragraph.luck.lucky.target, QString(), QStringLiteral("Lucky") },
                 { Kind::Unlucky, paragraph.luck.unlucky.target, QString(), QStringLiteral("Unlucky") } };
    case PlayAction::Kind::Flee:
        return { { Kind::Flight, action.target, QString(), flight.part } };
    case PlayAction::Kind::Attack: {
        // The attack button stands for the paragraph's only monster.
        const Monster monster = laid.monsters.value(0);
        QList<Way> ways { { Kind::Victory, monster.value, monster.name, subMapKey('M', 1) } };
        if (FleeRule::of(paragraph).offersFlight())
            ways.append(flight);
        return ways;
    }
    case PlayAction::Kind::Meal:
    case PlayAction::Kind::End:
        break;
    }
    return {};
}
