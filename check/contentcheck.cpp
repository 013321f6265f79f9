#include "contentcheck.h"

#include "fleerule.h"
#include "paragraphlayout.h"
#include "quotation.h"

#include <QPair>

namespace {

const QString knownCodes = QStringLiteral("CAFLBOEXV");

bool hasLuckOutcome(const LuckOutcome &outcome)
{
    return !outcome.target.isEmpty() || !outcome.text.isEmpty();
}

bool hasBonus(const Paragraph &paragraph)
{
    return paragraph.bonusHabilete != 0 || paragraph.bonusEndurance != 0 || paragraph.bonusChance != 0;
}

} // namespace

ContentCheck::ContentCheck(const BookGraph &graph, const QHash<QString, ParagraphLocations> &locations, int rootLine)
    : m_graph(graph)
    , m_locations(locations)
    , m_rootLine(rootLine)
{
    const QMap<QString, Paragraph> &paragraphs = graph.paragraphs();
    for (auto paragraph = paragraphs.cbegin(); paragraph != paragraphs.cend(); ++paragraph) {
        m_current = m_locations.value(paragraph.key());
        const QStringList codes = paragraph->type.split(QLatin1Char(','), Qt::SkipEmptyParts);
        checkCodes(codes);
        checkMissingElements(*paragraph, codes);
        checkUnusedElements(*paragraph, codes);
        checkButtons(paragraph.key(), *paragraph, codes);
        checkObjects(*paragraph);
        checkWays(paragraph.key(), *paragraph);
    }
    checkReach();
}

const QList<Finding> &ContentCheck::findings() const
{
    return m_findings;
}

void ContentCheck::checkCodes(const QStringList &codes)
{
    QMap<QString, int> counts;
    for (const QString &code : codes)
        ++counts[code];
    for (auto count = counts.cbegin(); count != counts.cend(); ++count) {
        const QString &code = count.key();
        if (code.size() == 1 && knownCodes.contains(code)) {
            if (count.value() > 1)
                report(Finding::Severity::Warning, QStringLiteral("Type"),
                       tr("the code %1 is written %2 times, and the player acts on each: its buttons are laid and "
                          "its effects applied again")
                           .arg(code)
                           .arg(count.value()));
            continue;
        }
        const QString meant = code.trimmed().toUpper();
        const bool close = meant.size() == 1 && knownCodes.contains(meant);
        report(Finding::Severity::Warning, QStringLiteral("Type"),
               close ? tr("the player ignores the code %1; did you mean \"%2\"?").arg(quotation(code), meant)
                     : tr("the player ignores the code %1; the codes are C, A, F, L, B, O, E, X and V")
                           .arg(quotation(code)));
    }
}

// Codes that need an element to do anything.
void ContentCheck::checkMissingElements(const Paragraph &paragraph, const QStringList &codes)
{
    const QString type = QStringLiteral("Type");
    if (codes.contains(QStringLiteral("C")) && paragraph.choices.isEmpty())
        report(Finding::Severity::Error, type, tr("code C without Choices: no choice is offered"));
    if (codes.contains(QStringLiteral("A")) && paragraph.monsters.isEmpty())
        report(Finding::Severity::Error, type, tr("code A without Monster: there is nothing to fight"));
    if (codes.contains(QStringLiteral("L"))) {
        const bool lucky = hasLuckOutcome(paragraph.luck.lucky);
        const bool unlucky = hasLuckOutcome(paragraph.luck.unlucky);
        if (!lucky && !unlucky)
            report(Finding::Severity::Error, type, tr("code L without Luck: the luck test leads nowhere"));
        else if (!lucky || !unlucky)
            report(Finding::Severity::Error, QStringLiteral("Luck"),
                   tr("Luck without %1: that outcome leads nowhere").arg(QLatin1String(lucky ? "Unlucky" : "Lucky")));
    }
    if (codes.contains(QStringLiteral("F")) && !FleeRule::of(paragraph).offersFlightAtOnce())
        report(Finding::Severity::Warning, type,
               tr("code F shows no flee button: Flee needs active=\"1\" and Round=\"1\""));
    if (codes.contains(QStringLiteral("B")) && !hasBonus(paragraph))
        report(Finding::Severity::Warning, type, tr("code B without a Bonus that changes a score"));
    if (codes.contains(QStringLiteral("O")) && paragraph.objects.isEmpty())
        report(Finding::Severity::Warning, type, tr("code O without Objects"));
}

// Elements written in the paragraph that none of its codes switches on.
void ContentCheck::checkUnusedElements(const Paragraph &paragraph, const QStringList &codes)
{
    const bool fights = codes.contains(QStringLiteral("A"));
    const struct {
        const char *element;
        const char *code;
        bool present;
    } elements[] = {
        { "Choices", "C", !paragraph.choices.isEmpty() },
        { "Monster", "A", !paragraph.monsters.isEmpty() },
        { "Luck", "L", hasLuckOutcome(paragraph.luck.lucky) || hasLuckOutcome(paragraph.luck.unlucky) },
        { "Objects", "O", !paragraph.objects.isEmpty() },
        { "Bonus", "B", hasBonus(paragraph) },
        // A fight reads the flight rule too.
        { "Flee", "F", !fights && (paragraph.fleeActive || !paragraph.fleeRef.isEmpty()) },
    };
    for (const auto &element : elements) {
        if (element.present && !codes.contains(QLatin1String(element.code)))
            report(Finding::Severity::Warning, QLatin1String(element.element),
                   tr("%1 is written but Type has no code %2, so the player ignores it")
                       .arg(QLatin1String(element.element), QLatin1String(element.code)));
    }
}

void ContentCheck::checkButtons(const QString &id, const Paragraph &paragraph, const QStringList &codes)
{
    if (codes.contains(QStringLiteral("A")) && paragraph.monsters.size() > 1)
        report(Finding::Severity::Warning, QStringLiteral("Monster"),
               tr("code A with %1 monsters: they are described, but only a single monster gets an attack button")
                   .arg(paragraph.monsters.size()));
    for (const BookGraph::Edge &edge : m_graph.edges(id)) {
        if (edge.kind == BookGraph::Edge::Kind::Choice && edge.label.trimmed().isEmpty())
            report(Finding::Severity::Warning, edge.part, tr("choice %1 has an empty caption").arg(edge.part.mid(1)));
    }
    // One covered button is enough to tell; a paragraph may lay thousands over one another.
    // The same button laid again comes from a code written twice, which is told apart.
    QHash<QPair<int, int>, PlayAction> cells;
    for (const PlayAction &action : m_graph.actions(id)) {
        const QPair<int, int> cell(action.row, action.column);
        const auto covered = cells.constFind(cell);
        if (covered == cells.constEnd()) {
            cells.insert(cell, action);
            continue;
        }
        if (covered->kind == action.kind && covered->caption == action.caption && covered->target == action.target)
            continue;
        report(Finding::Severity::Warning, QStringLiteral("Type"),
               tr("the buttons %1 and %2 are laid in the same cell (row %3, column %4): the second covers the first")
                   .arg(quotation(covered->caption), quotation(action.caption))
                   .arg(action.row)
                   .arg(action.column));
        return;
    }
}

void ContentCheck::checkObjects(const Paragraph &paragraph)
{
    for (int number = 1; number <= paragraph.objects.size(); ++number) {
        const GameObject object = paragraph.objects.value(subMapKey('O', number));
        if ((object.type == 1 || object.type == 2) && object.name.trimmed().isEmpty())
            report(Finding::Severity::Warning, subMapKey('O', number),
                   tr("object %1 is a %2 without a name in Text, which the hero can never choose")
                       .arg(number)
                       .arg(object.type == 1 ? tr("weapon") : tr("piece of armour")));
    }
}

void ContentCheck::checkWays(const QString &id, const Paragraph &paragraph)
{
    for (const BookGraph::Edge &edge : m_graph.edges(id)) {
        // A luck outcome not written at all is reported with the codes.
        const bool unwritten = (edge.kind == BookGraph::Edge::Kind::Lucky && !hasLuckOutcome(paragraph.luck.lucky)) ||
            (edge.kind == BookGraph::Edge::Kind::Unlucky && !hasLuckOutcome(paragraph.luck.unlucky));
        if (unwritten)
            continue;
        QString way;
        switch (edge.kind) {
        case BookGraph::Edge::Kind::Choice:
            way = tr("choice %1").arg(edge.label.trimmed().isEmpty() ? edge.part.mid(1) : quotation(edge.label));
            break;
        case BookGraph::Edge::Kind::Lucky:
            way = tr("the lucky outcome");
            break;
        case BookGraph::Edge::Kind::Unlucky:
            way = tr("the unlucky outcome");
            break;
        case BookGraph::Edge::Kind::Flight:
            way = tr("the flight");
            break;
        case BookGraph::Edge::Kind::Victory:
            way = tr("the victory over %1").arg(quotation(edge.label));
            break;
        }
        const QLatin1String attribute(edge.kind == BookGraph::Edge::Kind::Flight ? "Ref" : "Value");
        if (edge.target.isEmpty())
            report(Finding::Severity::Error, edge.part, tr("%1 leads nowhere: it has no %2").arg(way, attribute));
        else if (!m_graph.paragraphs().contains(edge.target))
            report(Finding::Severity::Error, edge.part,
                   tr("%1 leads to %2, which is not a paragraph of this book").arg(way, quotation(edge.target)));
    }
}

void ContentCheck::checkReach()
{
    if (!m_graph.paragraphs().contains(BookGraph::firstParagraph)) {
        m_findings.append({ Finding::Severity::Error, m_rootLine, 0,
                            tr("no paragraph \"000\": the adventure opens on an empty page") });
        return;
    }
    const QMap<QString, Paragraph> &paragraphs = m_graph.paragraphs();
    for (auto paragraph = paragraphs.cbegin(); paragraph != paragraphs.cend(); ++paragraph) {
        const QString &id = paragraph.key();
        m_current = m_locations.value(id);
        if (!m_graph.reachable().contains(id))
            report(Finding::Severity::Warning, QString(),
                   tr("paragraph %1 cannot be reached from \"000\"").arg(quotation(id)));
        else if (!m_graph.leadingToAnEnding().contains(id))
            report(Finding::Severity::Error, QString(),
                   tr("no ending (code X or V) can be reached from paragraph %1").arg(quotation(id)));
    }
}

void ContentCheck::report(Finding::Severity severity, const QString &part, const QString &message)
{
    m_findings.append({ severity, m_current.lineOf(part), 0, message });
}
