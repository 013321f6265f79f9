#include "paragraphfiller.h"

using Place = BookFormat::Place;
using Attribute = BookFormat::Attribute;

ParagraphFiller::ParagraphFiller(QMap<QString, Paragraph> *paragraphs)
    : paragraphs(paragraphs)
{
}

void ParagraphFiller::open(Place place, const Attributes &attributes)
{
    const auto text = [&attributes](Attribute attribute) { return attributes(BookFormat::name(attribute)); };
    const auto number = [&text](Attribute attribute) { return BookFormat::number(text(attribute)); };
    const auto flagOne = [&text](Attribute attribute) { return BookFormat::flagOne(text(attribute)); };
    switch (place) {
    case Place::Paragraph:
        paragraph = Paragraph();
        id = text(Attribute::Id);
        break;
    case Place::Choices:
    case Place::Objects:
        entries = 0;
        break;
    case Place::Choice:
        ++entries;
        target = text(Attribute::Value);
        break;
    case Place::Flee:
        paragraph.fleeActive = flagOne(Attribute::Active);
        paragraph.fleePenalty = flagOne(Attribute::Penality);
        paragraph.fleeRef = text(Attribute::Ref);
        paragraph.fleeRound = number(Attribute::Round);
        break;
    case Place::Monster:
        entries = 0;
        paragraph.monsterType = text(Attribute::Type);
        break;
    case Place::Adversary:
        paragraph.monsters.insert(subMapKey('M', ++entries),
                                  Monster { text(Attribute::Name), number(Attribute::Habilete),
                                            number(Attribute::Endurance), text(Attribute::Value) });
        break;
    case Place::Luck:
        paragraph.luck.active = flagOne(Attribute::Active);
        break;
    case Place::Lucky:
    case Place::Unlucky:
        target = text(Attribute::Value);
        break;
    case Place::Object:
        ++entries;
        object = GameObject();
        object.exchange = flagOne(Attribute::Exchange);
        object.throwAway = flagOne(Attribute::Throw);
        break;
    case Place::ObjectBonus:
        object.bonusHabilete = number(Attribute::Habilete);
        object.bonusEndurance = number(Attribute::Endurance);
        object.bonusChance = number(Attribute::Chance);
        break;
    case Place::ObjectGold:
        object.gold = number(Attribute::Value);
        break;
    case Place::ObjectFood:
        object.food = number(Attribute::Value);
        break;
    case Place::ParagraphBonus:
        paragraph.bonusActive = BookFormat::flagNonzero(text(Attribute::Active));
        paragraph.bonusHabilete = number(Attribute::Habilete);
        paragraph.bonusEndurance = number(Attribute::Endurance);
        paragraph.bonusChance = number(Attribute::Chance);
        break;
    default:
        break;
    }
}

void ParagraphFiller::close(Place place, const QString &text)
{
    switch (place) {
    case Place::Paragraph:
        paragraphs->insert(id, paragraph);
        break;
    case Place::ParagraphText:
        paragraph.text = text;
        break;
    case Place::ParagraphType:
        paragraph.type = text;
        break;
    case Place::Choice:
        paragraph.choices.insert(subMapKey('C', entries), Choice { target, text });
        break;
    case Place::Lucky:
        paragraph.luck.lucky = LuckOutcome { target, text };
        break;
    case Place::Unlucky:
        paragraph.luck.unlucky = LuckOutcome { target, text };
        break;
    case Place::Object:
        paragraph.objects.insert(subMapKey('O', entries), object);
        break;
    case Place::ObjectName:
        object.name = text;
        break;
    case Place::ObjectType:
        object.type = BookFormat::number(text);
        break;
    case Place::ObjectOther:
        object.other = text;
        break;
    default:
        break;
    }
}
