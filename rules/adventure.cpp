#include "adventure.h"

#include "character.h"
#include "dicesource.h"
#include "opponent.h"
#include "paragraphlayout.h"
#include "readerinput.h"
#include "saturatedsum.h"
#include "stat.h"

#include <QCoreApplication>

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("gameBook", source);
}

int onSheet(int value, int delta)
{
    return qBound(Adventure::sheetMinimum, saturatedSum(value, delta), Adventure::sheetMaximum);
}

// The kind word the object-choice dialog shows, and the item used when none is carried.
struct CombatSlot {
    const char *kind;
    const char *defaultName;
};

CombatSlot combatSlot(int type)
{
    return type == 1 ? CombatSlot { QT_TRANSLATE_NOOP("gameBook", "arme"), QT_TRANSLATE_NOOP("gameBook", "Epée") }
                     : CombatSlot { QT_TRANSLATE_NOOP("gameBook", "armure"), QT_TRANSLATE_NOOP("gameBook", "Armure") };
}

} // namespace

Adventure::Adventure(DiceSource *dice)
    : m_dice(dice)
{
}

Adventure::~Adventure() = default;

void Adventure::setParagraphs(const QMap<QString, Paragraph> &paragraphs)
{
    m_paragraphs = paragraphs;
}

const QMap<QString, Paragraph> &Adventure::paragraphs() const
{
    return m_paragraphs;
}

DiceSource &Adventure::dice() const
{
    return *m_dice;
}

void Adventure::rollStartingScores(ReaderInput &input)
{
    const int habileteRoll = input.keptRoll(text("HABILETE - Lancer de dés"), 1, 3, *m_dice) + 6;
    const int enduranceRoll = input.keptRoll(text("ENDURANCE - Lancer de dés"), 2, 3, *m_dice) + 12;
    const int chanceRoll = input.keptRoll(text("CHANCE - Lancer de dés"), 1, 3, *m_dice) + 6;
    m_habilete = std::make_unique<Stat>(habileteRoll);
    m_endurance = std::make_unique<Stat>(enduranceRoll);
    m_chance = std::make_unique<Stat>(chanceRoll);
    m_hero = std::make_unique<Character>(m_habilete.get(), m_endurance.get(), m_chance.get());
}

const Character *Adventure::hero() const
{
    return m_hero.get();
}

const Stat *Adventure::habilete() const
{
    return m_habilete.get();
}

const Stat *Adventure::endurance() const
{
    return m_endurance.get();
}

const Stat *Adventure::chance() const
{
    return m_chance.get();
}

int Adventure::gold() const
{
    return m_gold;
}

int Adventure::provisions() const
{
    return m_provisions;
}

const Inventory &Adventure::inventory() const
{
    return m_inventory;
}

PlayAreaContent Adventure::enterParagraph(const QString &id, ReaderInput &input)
{
    const bool opening = m_visitedIds.isEmpty();
    const bool wasVisited = visited(id);
    m_visitedIds.insert(id);
    m_visitedParagraphs += id + QLatin1Char(',');
    m_currentId = id;
    const auto found = m_paragraphs.constFind(id);
    const bool exists = found != m_paragraphs.constEnd();
    m_currentParagraph = exists ? *found : Paragraph();
    if (!opening && !exists) {
        return ParagraphLayout::outcome(text("Le paragraphe « %1 » n'existe pas dans ce livre.").arg(id),
                                        PlayAction::Kind::End, text("Terminer"));
    }
    if (!wasVisited)
        applyArrivalEffects(input);
    PlayAreaContent content = ParagraphLayout::lay(m_currentParagraph, wasVisited);
    if (!content.monsters.isEmpty())
        m_currentMonster = content.monsters.last();
    return content;
}

bool Adventure::visited(const QString &id) const
{
    return m_visitedIds.contains(id);
}

const QString &Adventure::visitedParagraphs() const
{
    return m_visitedParagraphs;
}

const QString &Adventure::currentId() const
{
    return m_currentId;
}

const Paragraph &Adventure::currentParagraph() const
{
    return m_currentParagraph;
}

const Monster &Adventure::currentMonster() const
{
    return m_currentMonster;
}

// Bonuses and objects take effect in the order of the paragraph's codes, as they come.
void Adventure::applyArrivalEffects(ReaderInput &input)
{
    for (const QString &code : ParagraphLayout::codes(m_currentParagraph)) {
        if (code == QLatin1String("B"))
            applyBonus();
        if (code == QLatin1String("O")) {
            for (int number = 1; number <= m_currentParagraph.objects.size(); ++number)
                handleObject(m_currentParagraph.objects.value(subMapKey('O', number)), input);
        }
    }
}

void Adventure::applyBonus()
{
    if (!m_hero)
        return;
    m_hero->changeHabilete(m_currentParagraph.bonusHabilete);
    m_hero->changeEndurance(m_currentParagraph.bonusEndurance);
    m_hero->changeChance(m_currentParagraph.bonusChance);
}

// An object is thrown away, exchanged, or taken with its gold and provisions; one with no
// name brings only those.
void Adventure::handleObject(const GameObject &object, ReaderInput &input)
{
    if (object.throwAway) {
        m_inventory.remove(object.name);
    } else if (object.exchange) {
        exchangeObject(object, input);
    } else {
        if (!object.name.isEmpty())
            m_inventory.add(object);
        m_provisions = onSheet(m_provisions, object.food);
        m_gold = onSheet(m_gold, object.gold);
    }
}

// The reader gives up the object last selected, even without confirming; the new object
// is carried in any case.
void Adventure::exchangeObject(const GameObject &object, ReaderInput &input)
{
    const QList<CombatItem> candidates = m_inventory.rowItems();
    const ReaderInput::ObjectPick pick = input.pickObject(text("objet"), candidates);
    const bool picked = pick.selected >= 0 && pick.selected < candidates.size();
    m_inventory.remove(picked ? candidates.at(pick.selected).name() : QString());
    m_inventory.add(object);
}

void Adventure::takeMeal()
{
    m_hero->changeEndurance(2);
}

PlayAreaContent Adventure::testLuck(ReaderInput &input)
{
    const int total = input.keptRoll(text("TENTEZ VOTRE CHANCE - Lancer de dés"), 2, 0, *m_dice);
    const bool lucky = total <= m_hero->chance();
    const LuckOutcome &outcome = lucky ? m_currentParagraph.luck.lucky : m_currentParagraph.luck.unlucky;
    m_hero->changeChance(-1);
    return ParagraphLayout::outcome(outcome.text, PlayAction::Kind::Choice, text("Continuer"), outcome.target);
}

void Adventure::payFlight()
{
    m_hero->changeEndurance(-2);
}

CombatItem Adventure::chooseCombatItem(int type, ReaderInput &input) const
{
    const CombatSlot slot = combatSlot(type);
    const CombatItem defaultItem(text(slot.defaultName), 0, 0);
    if (m_inventory.isEmpty())
        return defaultItem;
    const QList<CombatItem> candidates = m_inventory.rowItems(type);
    if (candidates.isEmpty())
        return defaultItem;
    if (candidates.size() == 1)
        return candidates.first();
    const ReaderInput::ObjectPick pick = input.pickObject(text(slot.kind), candidates);
    if (pick.validated && pick.selected >= 0 && pick.selected < candidates.size())
        return candidates.at(pick.selected);
    return defaultItem;
}

Fight &Adventure::startFight(ReaderInput &input)
{
    const CombatItem weapon = chooseCombatItem(1, input);
    const CombatItem armour = chooseCombatItem(2, input);
    m_fight.reset();
    m_opponent = std::make_unique<Opponent>(m_currentMonster.habilete, m_currentMonster.endurance);
    const FleeRule fleeRule { m_currentParagraph.fleePenalty, m_currentParagraph.fleeRound,
                              m_currentParagraph.fleeRef };
    m_fight = std::make_unique<Fight>(m_hero.get(), m_opponent.get(), weapon, armour, fleeRule, m_dice);
    return *m_fight;
}

const Opponent *Adventure::opponent() const
{
    return m_opponent.get();
}

PlayAreaContent Adventure::endFight(ReaderInput &input)
{
    switch (m_fight->outcome()) {
    case Fight::Outcome::Fled:
        return ParagraphLayout::outcome(text("Vous avez réussi à vous enfuir."), PlayAction::Kind::Flee,
                                        text("Continuer"), m_currentParagraph.fleeRef);
    case Fight::Outcome::Defeat:
        return ParagraphLayout::outcome(text("Vous avez été vaincu et votre aventure s'arrête ici..."),
                                        PlayAction::Kind::End, text("Terminer"));
    case Fight::Outcome::Victory:
        return ParagraphLayout::outcome(text("Vous avez été victorieux."), PlayAction::Kind::Choice, text("Continuer"),
                                        m_currentMonster.value);
    case Fight::Outcome::Undecided:
        break;
    }
    return enterParagraph(m_currentId, input);
}
