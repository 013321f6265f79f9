#include "contentcheck.h"

#include "bookformat.h"
#include "fleerule.h"
#include "paragraphlayout.h"
#include "quotation.h"

#include <QPair>

namespace {

// The letters of the type codes, "CAFLBOEXV".
QString knownCodes()
{
    QString letters;
    for (const BookFormat::TypeCode &code : BookFormat::typeCodes())
        letters.append(QLatin1Char(code.letter));
    return letters;
}

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
        if (code.size() == 1 && knownCodes().contains(code)) {
            if (count.value() > 1)
                report(Finding::Severity::Warning, QStringLiteral("Type"), QStringLiteral("repeated-code"),
                       tr("le code %1 est écrit %2 fois, et Valdoriel agit à chaque fois : ses boutons sont posés "
                          "et ses effets appliqués de nouveau")
                           .arg(code)
                           .arg(count.value()));
            continue;
        }
        const QString meant = code.trimmed().toUpper();
        const bool close = meant.size() == 1 && knownCodes().contains(meant);
        report(
            Finding::Severity::Warning, QStringLiteral("Type"), QStringLiteral("unknown-code"),
            close
                ? tr("Valdoriel ignore le code %1 ; vouliez-vous dire %2 ?").arg(quotation(code), quotation(meant))
                : tr("Valdoriel ignore le code %1 ; les codes sont C, A, F, L, B, O, E, X et V").arg(quotation(code)));
    }
}

// Codes that need an element to do anything.
void ContentCheck::checkMissingElements(const Paragraph &paragraph, const QStringList &codes)
{
    const QString type = QStringLiteral("Type");
    if (codes.contains(QStringLiteral("C")) && paragraph.choices.isEmpty())
        report(Finding::Severity::Error, type, QStringLiteral("missing-choices"),
               tr("code C sans Choices : aucun choix n'est proposé"));
    if (codes.contains(QStringLiteral("A")) && paragraph.monsters.isEmpty())
        report(Finding::Severity::Error, type, QStringLiteral("missing-monster"),
               tr("code A sans Monster : il n'y a rien à combattre"));
    if (codes.contains(QStringLiteral("L"))) {
        const bool lucky = hasLuckOutcome(paragraph.luck.lucky);
        const bool unlucky = hasLuckOutcome(paragraph.luck.unlucky);
        if (!lucky && !unlucky)
            report(Finding::Severity::Error, type, QStringLiteral("missing-luck"),
                   tr("code L sans Luck : le test de chance ne mène nulle part"));
        else if (!lucky || !unlucky)
            report(Finding::Severity::Error, QStringLiteral("Luck"), QStringLiteral("missing-luck-outcome"),
                   tr("Luck sans %1 : cette issue ne mène nulle part").arg(QLatin1String(lucky ? "Unlucky" : "Lucky")));
    }
    if (codes.contains(QStringLiteral("F")) && !FleeRule::of(paragraph).offersFlightAtOnce())
        report(Finding::Severity::Warning, type, QStringLiteral("flight-not-offered"),
               tr("le code F ne montre aucun bouton « Fuir » : Flee demande active=\"1\" et Round=\"1\""));
    if (codes.contains(QStringLiteral("B")) && !hasBonus(paragraph))
        report(Finding::Severity::Warning, type, QStringLiteral("missing-bonus"),
               tr("code B sans Bonus qui change un score"));
    if (codes.contains(QStringLiteral("O")) && paragraph.objects.isEmpty())
        report(Finding::Severity::Warning, type, QStringLiteral("missing-objects"), tr("code O sans Objects"));
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
            report(Finding::Severity::Warning, QLatin1String(element.element), QStringLiteral("element-without-code"),
                   tr("%1 est écrit mais Type n'a pas le code %2 : Valdoriel l'ignore")
                       .arg(QLatin1String(element.element), QLatin1String(element.code)));
    }
}

void ContentCheck::checkButtons(const QString &id, const Paragraph &paragraph, const QStringList &codes)
{
    if (codes.contains(QStringLiteral("A")) && paragraph.monsters.size() > 1)
        report(Finding::Severity::Warning, QStringLiteral("Monster"), QStringLiteral("several-monsters"),
               tr("code A avec %1 monstres : ils sont décrits, mais seul un monstre unique a un bouton d'attaque")
                   .arg(paragraph.monsters.size()));
    for (const BookGraph::Edge &edge : m_graph.edges(id)) {
        if (edge.kind == BookGraph::Edge::Kind::Choice && edge.label.trimmed().isEmpty())
            report(Finding::Severity::Warning, edge.part, QStringLiteral("empty-caption"),
                   tr("le choix %1 n'a pas de texte").arg(edge.part.mid(1)));
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
        report(Finding::Severity::Warning, QStringLiteral("Type"), QStringLiteral("covered-button"),
               tr("les boutons %1 et %2 sont posés dans la même case (rangée %3, colonne %4) : le second cache le "
                  "premier")
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
            report(Finding::Severity::Warning, subMapKey('O', number), QStringLiteral("unnamed-object"),
                   tr("l'objet %1 est %2 sans nom dans Text, que le héros ne peut jamais choisir")
                       .arg(number)
                       .arg(object.type == 1 ? tr("une arme") : tr("une armure")));
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
            way = tr("le choix %1").arg(edge.label.trimmed().isEmpty() ? edge.part.mid(1) : quotation(edge.label));
            break;
        case BookGraph::Edge::Kind::Lucky:
            way = tr("l'issue chanceuse");
            break;
        case BookGraph::Edge::Kind::Unlucky:
            way = tr("l'issue malchanceuse");
            break;
        case BookGraph::Edge::Kind::Flight:
            way = tr("la fuite");
            break;
        case BookGraph::Edge::Kind::Victory:
            way = tr("la victoire sur %1").arg(quotation(edge.label));
            break;
        }
        const QLatin1String attribute(edge.kind == BookGraph::Edge::Kind::Flight ? "Ref" : "Value");
        if (edge.target.isEmpty())
            report(Finding::Severity::Error, edge.part, QStringLiteral("way-nowhere"),
                   tr("%1 ne mène nulle part : il manque %2").arg(way, attribute));
        else if (!m_graph.paragraphs().contains(edge.target))
            report(Finding::Severity::Error, edge.part, QStringLiteral("way-to-missing-paragraph"),
                   tr("%1 mène à %2, qui n'est pas un paragraphe de ce livre").arg(way, quotation(edge.target)));
    }
}

void ContentCheck::checkReach()
{
    if (!m_graph.paragraphs().contains(BookGraph::firstParagraph)) {
        m_findings.append({ Finding::Severity::Error, m_rootLine, 0, QStringLiteral("no-first-paragraph"),
                            tr("pas de paragraphe « 000 » : l'aventure s'ouvre sur une page vide") });
        return;
    }
    const QMap<QString, Paragraph> &paragraphs = m_graph.paragraphs();
    for (auto paragraph = paragraphs.cbegin(); paragraph != paragraphs.cend(); ++paragraph) {
        const QString &id = paragraph.key();
        m_current = m_locations.value(id);
        if (!m_graph.reachable().contains(id))
            report(Finding::Severity::Warning, QString(), QStringLiteral("unreachable-paragraph"),
                   tr("le paragraphe %1 ne peut pas être atteint depuis « 000 »").arg(quotation(id)));
        else if (!m_graph.leadingToAnEnding().contains(id))
            report(Finding::Severity::Error, QString(), QStringLiteral("no-ending-reachable"),
                   tr("aucune fin (code X ou V) ne peut être atteinte depuis le paragraphe %1").arg(quotation(id)));
    }
}

void ContentCheck::report(Finding::Severity severity, const QString &part, const QString &code, const QString &message)
{
    m_findings.append({ severity, m_current.lineOf(part), 0, code, message });
}
