#include "randomplayer.h"

#include "adventure.h"
#include "bookgraph.h"
#include "orderedwork.h"

#include <QThread>

#include <algorithm>
#include <random>

namespace {

// The reader's answers come from a stream of their own, apart from the dice.
constexpr quint32 readerSeedOffset = 0x9e3779b9u;

// The seed of one adventure of a run. The standard fixes what a seed sequence generates,
// so the adventures are the same with every compiler.
quint32 adventureSeed(quint32 runSeed, int number)
{
    std::seed_seq sequence { runSeed, quint32(number) };
    quint32 seed = 0;
    sequence.generate(&seed, &seed + 1);
    return seed;
}

} // namespace

RandomPlayer::RandomPlayer(const BookGraph &graph, quint32 seed)
    : m_graph(graph)
    , m_seed(seed)
    , m_dice(seed)
    , m_reader(seed ^ readerSeedOffset)
    // Enough to wander through every paragraph a few times over.
    , m_pressLimit(1000 + 4 * graph.paragraphs().size())
    , m_workLeft(baseWorkBudget + 2000 * qint64(graph.paragraphs().size()))
{
}

PlayReport RandomPlayer::play(int adventures, int threads)
{
    PlayReport report;
    report.seed = m_seed;
    qint64 workLeft = m_workLeft;
    OrderedWork<Played>::run(
        adventures, threads > 0 ? threads : QThread::idealThreadCount(),
        [this](int number) { return playAdventure(number); },
        [&](Played &played) {
            workLeft -= played.work;
            if (played.report.adventures == 0 || workLeft < 0)
                return false;
            report.add(played.report);
            return true;
        });
    return report;
}

RandomPlayer::Played RandomPlayer::playAdventure(int number) const
{
    RandomPlayer player(m_graph, adventureSeed(m_seed, number));
    Played played;
    played.report.adventures = player.playOne(&played.report) ? 1 : 0;
    played.work = m_workLeft - player.m_workLeft;
    return played;
}

bool RandomPlayer::playOne(PlayReport *report)
{
    Adventure adventure(&m_dice, &m_reader);
    adventure.setParagraphs(m_graph.paragraphs());
    adventure.rollStartingScores();
    PlayAreaContent content = adventure.enterParagraph(BookGraph::firstParagraph);
    report->visits.insert(adventure.currentId(), 1);
    int trappedPresses = 0;
    for (int presses = 0;; ++presses) {
        const QString &id = adventure.currentId();
        m_workLeft -= 10 + 4 * content.actions.size() + id.size() / 16;
        if (m_workLeft < 0)
            return false;
        QList<PlayAction> offered;
        for (const PlayAction &action : content.actions) {
            if (action.enabled)
                offered.append(action);
        }
        if (offered.isEmpty()) {
            ++report->stuck[id];
            return true;
        }
        // Where no ending can be reached any more, random presses would go round for ever;
        // a few are left to end the adventure otherwise, by a defeat or a dead end.
        trappedPresses += m_graph.leadingToAnEnding().contains(id) ? 0 : 1;
        const bool tooLong = presses >= m_pressLimit || adventure.visitedParagraphs().size() > maximumVisitedText;
        if (tooLong || trappedPresses > maximumTrappedPresses) {
            ++report->endless[id];
            return true;
        }
        const PlayAction action = offered.at(m_reader.pick(offered.size()));
        if (action.kind == PlayAction::Kind::End) {
            countEnd(content, id, report);
            return true;
        }
        const int showing = content.showing;
        content = adventure.press(action);
        // Fights count towards the adventure's presses, so that monsters that never die
        // cannot hold it.
        const int fightPresses = m_reader.takeFightPresses();
        presses += fightPresses;
        m_workLeft -= fightPresses;
        const bool entered = content.shows == PlayAreaContent::Shows::Paragraph ||
            content.shows == PlayAreaContent::Shows::MissingParagraph;
        if (entered && content.showing != showing)
            report->visits.insert(adventure.currentId(), 1);
    }
}

void RandomPlayer::countEnd(const PlayAreaContent &content, const QString &id, PlayReport *report)
{
    switch (content.shows) {
    case PlayAreaContent::Shows::MissingParagraph:
        ++report->missing[id];
        break;
    case PlayAreaContent::Shows::Paragraph:
        ++report->endings[id];
        break;
    case PlayAreaContent::Shows::Defeat:
        ++report->defeats;
        break;
    case PlayAreaContent::Shows::Outcome:
    case PlayAreaContent::Shows::End:
        break; // an outcome leads on, and the end has no button
    }
}
