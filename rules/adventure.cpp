#include "adventure.h"

#include "character.h"
#include "diceroll.h"
#include "fleerule.h"
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

// Each starting score: its dice dialog's title, its dice and what is added to them.
struct StartingScore {
    const char *title;
    int diceCount;
    int base;
};

constexpr StartingScore startingScores[] = {
    { QT_TRANSLATE_NOOP("gameBook", "HABILETE - Lancer de dés"), 1, 6 },
    { QT_TRANSLATE_NOOP("gameBook", "ENDURANCE - Lancer de dés"), 2, 12 },
    { QT_TRANSLATE_NOOP("gameBook", "CHANCE - Lancer de dés"), 1, 6 },
};
constexpr int startingAttempts = 3;

} // namespace

Adventure::Adventure(DiceSource *dice, ReaderInput *input)
    : m_dice(dice)
    , m_input(input)
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

void Adventure::rollStartingScores()
{
    QList<int> scores;
    for (const StartingScore &score : startingScores) {
        DiceRoll roll(m_dice, score.diceCount, startingAttempts);
        m_input->keepRoll(text(score.title), roll);
        scores.append(roll.total() + score.base);
    }
    setHero(Stat(scores[0]), Stat(scores[1]), Stat(scores[2]));
}

void Adventure::setHero(const Stat &habilete, const Stat &endurance, const Stat &chance)
{
    m_habilete = std::make_unique<Stat>(habilete);
    m_endurance = std::make_unique<Stat>(endurance);
    m_chance = std::make_unique<Stat>(chance);
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

PlayAreaContent Adventure::enterParagraph(const QString &id)
{
    enter(id);
    record();
    return m_screen;
}

PlayAreaContent Adventure::enter(const QString &id)
{
    const bool opening = m_visits.count() == 0;
    const bool wasVisited = visited(id);
    m_visits.append(id);
    m_currentId = id;
    const bool exists = m_paragraphs.contains(id);
    m_currentParagraph = m_paragraphs.value(id);
    // Books without "000" have always opened on an empty paragraph.
    if (!exists && opening && id == QLatin1String("000"))
        return show(ParagraphLayout::lay(m_currentParagraph, wasVisited));
    if (exists && !wasVisited)
        applyArrivalEffects();
    return show(layCurrent(wasVisited));
}

PlayAreaContent Adventure::layCurrent(bool laterVisit)
{
    if (!m_paragraphs.contains(m_currentId)) {
        return ParagraphLayout::outcome(PlayAreaContent::Shows::MissingParagraph,
                                        text("Le paragraphe « %1 » n'existe pas dans ce livre.").arg(m_currentId),
                                        PlayAction::Kind::End, text("Terminer"));
    }
    const PlayAreaContent content = ParagraphLayout::lay(m_currentParagraph, laterVisit);
    if (!content.monsters.isEmpty())
        m_currentMonster = content.monsters.last();
    return content;
}

PlayAreaContent Adventure::reread(const QMap<QString, Paragraph> &paragraphs)
{
    m_paragraphs = paragraphs;
    m_currentParagraph = m_paragraphs.value(m_currentId);
    if (m_screen.shows != PlayAreaContent::Shows::Paragraph)
        return m_screen;
    PlayAreaContent content = layCurrent(m_visits.timesVisited(m_currentId) > 1);
    for (PlayAction &action : content.actions) {
        for (const PlayAction &shown : qAsConst(m_screen.actions)) {
            if (!shown.enabled && action.kind == shown.kind && action.row == shown.row && action.column == shown.column)
                action.enabled = false;
        }
    }
    show(content);
    // The step stands for the paragraph as it now reads.
    if (!m_history.isEmpty() && m_hero)
        m_history.replaceCurrent(moment());
    return m_screen;
}

PlayAreaContent Adventure::show(const PlayAreaContent &content)
{
    const int showing = m_screen.showing + 1;
    m_screen = content;
    m_screen.showing = showing;
    return m_screen;
}

PlayAreaContent Adventure::press(const PlayAction &action)
{
    const int index = m_screen.actions.indexOf(action);
    if (index < 0 || !action.enabled)
        return m_screen;
    // Every rule but a move uses the hero's scores, which exist once rolled.
    const bool move = action.kind == PlayAction::Kind::Choice || action.kind == PlayAction::Kind::End;
    if (!m_hero && !move)
        return m_screen;
    const PlayAreaContent next = applyRule(action, index);
    if (next.shows != PlayAreaContent::Shows::End)
        record();
    return next;
}

PlayAreaContent Adventure::applyRule(const PlayAction &action, int index)
{
    const QList<Way> ways = Way::of(m_currentParagraph, m_screen, index);
    switch (action.kind) {
    case PlayAction::Kind::Meal:
        // A meal restores 2 ENDURANCE, once each time the paragraph is shown; provisions are
        // not counted.
        m_hero->changeEndurance(2);
        m_screen.actions[index].enabled = false;
        return m_screen;
    case PlayAction::Kind::Luck:
        return testLuck(ways);
    case PlayAction::Kind::Attack:
        return fight(ways);
    case PlayAction::Kind::Flee:
        // Every flight costs 2 ENDURANCE, and the adventure goes on whatever is left.
        m_hero->changeEndurance(-2);
        return enter(action.target);
    case PlayAction::Kind::Choice:
        return enter(action.target);
    case PlayAction::Kind::End:
        break;
    }
    PlayAreaContent end;
    end.shows = PlayAreaContent::Shows::End;
    return show(end);
}

const PlayAreaContent &Adventure::screen() const
{
    return m_screen;
}

bool Adventure::hasEnded() const
{
    if (m_screen.shows == PlayAreaContent::Shows::Defeat || m_screen.shows == PlayAreaContent::Shows::End)
        return true;
    if (m_screen.shows != PlayAreaContent::Shows::Paragraph)
        return false;
    bool offersTheEnd = false;
    for (const PlayAction &action : m_screen.actions) {
        if (action.kind == PlayAction::Kind::End)
            offersTheEnd = true;
        else if (action.kind != PlayAction::Kind::Meal)
            return false;
    }
    return offersTheEnd;
}

bool Adventure::visited(const QString &id) const
{
    return m_visits.contains(id);
}

const QString &Adventure::visitedParagraphs() const
{
    return m_visits.text();
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
void Adventure::applyArrivalEffects()
{
    for (const QString &code : ParagraphLayout::codes(m_currentParagraph)) {
        if (code == QLatin1String("B"))
            applyBonus();
        if (code == QLatin1String("O")) {
            for (int number = 1; number <= m_currentParagraph.objects.size(); ++number)
                handleObject(m_currentParagraph.objects.value(subMapKey('O', number)));
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
void Adventure::handleObject(const GameObject &object)
{
    m_inventoryIndex = -1;
    if (object.throwAway) {
        m_inventory.remove(object.name);
    } else if (object.exchange) {
        exchangeObject(object);
    } else {
        if (!object.name.isEmpty())
            m_inventory.add(object);
        m_provisions = onSheet(m_provisions, object.food);
        m_gold = onSheet(m_gold, object.gold);
    }
}

// The reader gives up the object last selected, even without confirming; the new object
// is carried in any case.
void Adventure::exchangeObject(const GameObject &object)
{
    const QList<CombatItem> candidates = m_inventory.rowItems();
    const ReaderInput::ObjectPick pick = m_input->pickObject(text("objet"), candidates);
    const bool picked = pick.selected >= 0 && pick.selected < candidates.size();
    m_inventory.remove(picked ? candidates.at(pick.selected).name() : QString());
    m_inventory.add(object);
}

// Lucky when two dice make at most the current CHANCE; every test costs a point of CHANCE.
PlayAreaContent Adventure::testLuck(const QList<Way> &ways)
{
    DiceRoll roll(m_dice, 2, 0);
    m_input->keepRoll(text("TENTEZ VOTRE CHANCE - Lancer de dés"), roll);
    const bool lucky = roll.total() <= m_hero->chance();
    m_hero->changeChance(-1);
    const LuckTest &luck = m_currentParagraph.luck;
    return show(ParagraphLayout::outcome(PlayAreaContent::Shows::Outcome, lucky ? luck.lucky.text : luck.unlucky.text,
                                         PlayAction::Kind::Choice, text("Continuer"), ways.at(lucky ? 0 : 1).target));
}

CombatItem Adventure::chooseCombatItem(int type) const
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
    const ReaderInput::ObjectPick pick = m_input->pickObject(text(slot.kind), candidates);
    if (pick.validated && pick.selected >= 0 && pick.selected < candidates.size())
        return candidates.at(pick.selected);
    return defaultItem;
}

// A fight against the current monster at full scores, with the weapon and armour chosen.
// Left with both fighters standing, its paragraph shows again, as a later visit, so that
// it can be taken up again.
PlayAreaContent Adventure::fight(const QList<Way> &ways)
{
    m_input->fightBegins();
    const CombatItem weapon = chooseCombatItem(1);
    const CombatItem armour = chooseCombatItem(2);
    m_fight.reset();
    m_opponent = std::make_unique<Opponent>(m_currentMonster.habilete, m_currentMonster.endurance);
    m_fight = std::make_unique<Fight>(m_hero.get(), m_opponent.get(), weapon, armour, FleeRule::of(m_currentParagraph),
                                      m_dice);
    m_input->fight(*m_fight);
    switch (m_fight->outcome()) {
    case Fight::Outcome::Fled:
        return show(ParagraphLayout::outcome(PlayAreaContent::Shows::Outcome, text("Vous avez réussi à vous enfuir."),
                                             PlayAction::Kind::Flee, text("Continuer"),
                                             FleeRule::of(m_currentParagraph).ref));
    case Fight::Outcome::Defeat:
        return show(ParagraphLayout::outcome(PlayAreaContent::Shows::Defeat,
                                             text("Vous avez été vaincu et votre aventure s'arrête ici..."),
                                             PlayAction::Kind::End, text("Terminer")));
    case Fight::Outcome::Victory:
        return show(ParagraphLayout::outcome(PlayAreaContent::Shows::Outcome, text("Vous avez été victorieux."),
                                             PlayAction::Kind::Choice, text("Continuer"), ways.first().target));
    case Fight::Outcome::Undecided:
        break;
    }
    return enter(m_currentId);
}

const Opponent *Adventure::opponent() const
{
    return m_opponent.get();
}

void Adventure::record()
{
    if (!m_hero)
        return;
    m_visits.dropAhead();
    m_history.record(moment());
}

Moment Adventure::moment()
{
    if (m_inventoryIndex < 0)
        m_inventoryIndex = m_history.keepInventory(m_inventory);
    Moment moment;
    moment.habilete = { m_habilete->initial(), m_habilete->current() };
    moment.endurance = { m_endurance->initial(), m_endurance->current() };
    moment.chance = { m_chance->initial(), m_chance->current() };
    moment.gold = m_gold;
    moment.provisions = m_provisions;
    moment.inventory = m_inventoryIndex;
    moment.screen = m_history.keepScreen(m_screen);
    moment.visits = m_visits.count();
    moment.dice = m_dice->position();
    return moment;
}

// The monster of an attack button is the last its paragraph described; the last fight is
// forgotten, as its dialog is closed.
void Adventure::apply(const Moment &moment, bool moveDice)
{
    const auto stat = [](const Moment::Score &score) { return Stat(score.initial, score.current); };
    setHero(stat(moment.habilete), stat(moment.endurance), stat(moment.chance));
    m_gold = qBound(sheetMinimum, moment.gold, sheetMaximum);
    m_provisions = qBound(sheetMinimum, moment.provisions, sheetMaximum);
    m_inventory = m_history.inventory(moment.inventory);
    m_inventoryIndex = moment.inventory;
    m_visits.moveTo(moment.visits);
    m_currentId = m_visits.last();
    m_currentParagraph = m_paragraphs.value(m_currentId);
    const PlayAreaContent &screen = m_history.screen(moment.screen);
    m_currentMonster = screen.monsters.isEmpty() ? Monster() : screen.monsters.last();
    m_opponent.reset();
    m_fight.reset();
    if (moveDice)
        m_dice->moveTo(moment.dice);
    show(screen);
}

int Adventure::step() const
{
    return m_history.current();
}

int Adventure::steps() const
{
    return m_history.size();
}

bool Adventure::canStepBack() const
{
    return m_history.current() > 0;
}

bool Adventure::canStepForward() const
{
    return m_history.current() + 1 < m_history.size();
}

PlayAreaContent Adventure::stepBack()
{
    return returnTo(m_history.current() - 1);
}

PlayAreaContent Adventure::stepForward()
{
    return returnTo(m_history.current() + 1);
}

PlayAreaContent Adventure::returnTo(int step)
{
    if (step < 0 || step >= m_history.size() || step == m_history.current())
        return m_screen;
    m_history.setCurrent(step);
    apply(m_history.moment(step), !m_freshDiceOnReturn);
    return m_screen;
}

void Adventure::setFreshDiceOnReturn(bool fresh)
{
    m_freshDiceOnReturn = fresh;
}

bool Adventure::freshDiceOnReturn() const
{
    return m_freshDiceOnReturn;
}

QList<Adventure::JournalEntry> Adventure::journal() const
{
    QList<JournalEntry> entries;
    for (int step = 0; step < m_history.size(); ++step) {
        const Moment &moment = m_history.moment(step);
        const QString &text = m_history.screen(moment.screen).text;
        if (!entries.isEmpty() && m_history.moment(entries.last().lastStep).visits == moment.visits &&
            entries.last().text == text) {
            entries.last().lastStep = step;
            continue;
        }
        entries.append({ step, step, moment.visits > 0 ? m_visits.ids().at(moment.visits - 1) : QString(), text });
    }
    return entries;
}

AdventureSnapshot Adventure::snapshot() const
{
    AdventureSnapshot snapshot;
    m_history.fill(&snapshot);
    snapshot.visited = m_visits.ids();
    snapshot.freshDiceOnReturn = m_freshDiceOnReturn;
    return snapshot;
}

void Adventure::restore(const AdventureSnapshot &snapshot)
{
    if (snapshot.moments.isEmpty())
        return;
    m_history = AdventureHistory(snapshot);
    m_visits = VisitLog(snapshot.visited, 0);
    m_freshDiceOnReturn = snapshot.freshDiceOnReturn;
    apply(m_history.moment(m_history.current()), true);
}
