#include "savedadventure.h"

#include "adventure.h"
#include "paragraphlayout.h"
#include "randomdice.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

// The first format held one moment and no history; the second holds the history.
constexpr int firstFormat = 1;
constexpr int formatVersion = 2;
// The numbers of a moment, in this order.
enum MomentField {
    HabileteInitial,
    HabileteCurrent,
    EnduranceInitial,
    EnduranceCurrent,
    ChanceInitial,
    ChanceCurrent,
    Gold,
    Provisions,
    InventoryIndex,
    ScreenIndex,
    Visits,
    DiceSeed,
    DiceDrawn,
    momentFieldCount
};

QString text(const char *source)
{
    return QCoreApplication::translate("SavedAdventure", source);
}

const char *const showsNames[] = { "paragraph", "outcome", "defeat", "missing-paragraph", "end" };
const char *const kindNames[] = { "meal", "luck", "attack", "flee", "choice", "end" };

template <typename Enum, int count> QString nameOf(Enum value, const char *const (&names)[count])
{
    const int index = int(value);
    return index >= 0 && index < count ? QLatin1String(names[index]) : QString();
}

QJsonArray strings(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

QJsonObject objectJson(const GameObject &object)
{
    return { { "name", object.name },
             { "type", object.type },
             { "exchange", object.exchange },
             { "throw", object.throwAway },
             { "habilete", object.bonusHabilete },
             { "endurance", object.bonusEndurance },
             { "chance", object.bonusChance },
             { "gold", object.gold },
             { "food", object.food },
             { "other", object.other } };
}

QJsonObject screenJson(const PlayAreaContent &screen)
{
    QJsonArray monsters;
    for (const Monster &monster : screen.monsters)
        monsters.append(QJsonObject { { "name", monster.name },
                                      { "habilete", monster.habilete },
                                      { "endurance", monster.endurance },
                                      { "value", monster.value } });
    QJsonArray actions;
    for (const PlayAction &action : screen.actions)
        actions.append(QJsonObject { { "kind", nameOf(action.kind, kindNames) },
                                     { "caption", action.caption },
                                     { "target", action.target },
                                     { "row", action.row },
                                     { "column", action.column },
                                     { "enabled", action.enabled } });
    return { { "shows", nameOf(screen.shows, showsNames) },
             { "text", screen.text },
             { "textSpan", screen.textSpan },
             { "monsters", monsters },
             { "notes", strings(screen.notes) },
             { "actions", actions } };
}

QJsonObject inventoryJson(const Inventory &inventory)
{
    QJsonArray records;
    for (const GameObject &record : inventory.records())
        records.append(objectJson(record));
    return { { "objects", records }, { "rows", strings(inventory.rows()) } };
}

QJsonArray momentJson(const Moment &moment)
{
    return { moment.habilete.initial,
             moment.habilete.current,
             moment.endurance.initial,
             moment.endurance.current,
             moment.chance.initial,
             moment.chance.current,
             moment.gold,
             moment.provisions,
             moment.inventory,
             moment.screen,
             moment.visits,
             double(moment.dice.seed),
             double(moment.dice.drawn) };
}

// Reads the parts of a save, each checked for its type and its bounds; the first fault
// found is kept and every later read gives an empty value.
class Reader {
public:
    QString fault;

    bool ok() const { return fault.isNull(); }

    QJsonValue member(const QJsonObject &object, const char *key, QJsonValue::Type type)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (ok() && value.type() != type)
            fault = text("« %1 » manque ou n'est pas du type attendu").arg(QLatin1String(key));
        return ok() ? value : QJsonValue(type);
    }

    QJsonObject object(const QJsonObject &object, const char *key)
    {
        return member(object, key, QJsonValue::Object).toObject();
    }

    QJsonArray array(const QJsonObject &object, const char *key, int maximum)
    {
        const QJsonArray array = member(object, key, QJsonValue::Array).toArray();
        return check(array.size() <= maximum, key) ? array : QJsonArray();
    }

    QString string(const QJsonObject &object, const char *key, int maximum = std::numeric_limits<int>::max())
    {
        const QString value = member(object, key, QJsonValue::String).toString();
        return check(value.size() <= maximum, key) ? value : QString();
    }

    bool flag(const QJsonObject &object, const char *key) { return member(object, key, QJsonValue::Bool).toBool(); }

    qint64 wholeNumber(const QJsonValue &value, const char *key, qint64 minimum, qint64 maximum)
    {
        const double number = value.toDouble();
        const bool whole =
            value.isDouble() && std::floor(number) == number && number >= double(minimum) && number <= double(maximum);
        return check(whole, key) ? qint64(number) : 0;
    }

    int number(const QJsonValue &value, const char *key, int minimum = std::numeric_limits<int>::min(),
               int maximum = std::numeric_limits<int>::max())
    {
        return int(wholeNumber(value, key, minimum, maximum));
    }

    int number(const QJsonObject &object, const char *key, int minimum = std::numeric_limits<int>::min(),
               int maximum = std::numeric_limits<int>::max())
    {
        return number(object.value(QLatin1String(key)), key, minimum, maximum);
    }

    template <int count> int name(const QJsonObject &object, const char *key, const char *const (&names)[count])
    {
        const QString value = string(object, key);
        for (int index = 0; index < count; ++index) {
            if (value == QLatin1String(names[index]))
                return index;
        }
        check(false, key);
        return 0;
    }

    QStringList strings(const QJsonObject &object, const char *key, int maximum, int maximumLength)
    {
        QStringList list;
        for (const QJsonValue &value : array(object, key, maximum)) {
            check(value.isString() && value.toString().size() <= maximumLength, key);
            list.append(value.toString());
        }
        return ok() ? list : QStringList();
    }

    Moment::Score score(const QJsonValue &initial, const QJsonValue &current, const char *key)
    {
        Moment::Score score { number(initial, key), number(current, key) };
        // A score never rises above its start.
        check(score.current <= score.initial, key);
        return score;
    }

    Moment::Score score(const QJsonObject &hero, const char *key)
    {
        const QJsonArray pair = array(hero, key, 2);
        check(pair.size() == 2, key);
        return score(pair.at(0), pair.at(1), key);
    }

    // The sheet of a moment of the first format, which kept it apart.
    Moment firstFormatMoment(const QJsonObject &root, int visits)
    {
        const QJsonObject hero = object(root, "hero");
        Moment moment;
        moment.habilete = score(hero, "habilete");
        moment.endurance = score(hero, "endurance");
        moment.chance = score(hero, "chance");
        moment.gold = number(root, "gold", Adventure::sheetMinimum, Adventure::sheetMaximum);
        moment.provisions = number(root, "provisions", Adventure::sheetMinimum, Adventure::sheetMaximum);
        moment.visits = visits;
        return moment;
    }

    // A moment whose objects, screen and visits lie within those of its history.
    Moment moment(const QJsonValue &value, const AdventureSnapshot &snapshot)
    {
        const QJsonArray fields = value.toArray();
        check(fields.size() == momentFieldCount, "moments");
        const auto field = [&fields](MomentField index) { return fields.at(index); };
        Moment moment;
        moment.habilete = score(field(HabileteInitial), field(HabileteCurrent), "moments");
        moment.endurance = score(field(EnduranceInitial), field(EnduranceCurrent), "moments");
        moment.chance = score(field(ChanceInitial), field(ChanceCurrent), "moments");
        moment.gold = number(field(Gold), "moments", Adventure::sheetMinimum, Adventure::sheetMaximum);
        moment.provisions = number(field(Provisions), "moments", Adventure::sheetMinimum, Adventure::sheetMaximum);
        moment.inventory = number(field(InventoryIndex), "moments", 0, snapshot.inventories.size() - 1);
        moment.screen = number(field(ScreenIndex), "moments", 0, snapshot.screens.size() - 1);
        moment.visits = number(field(Visits), "moments", 0, snapshot.visited.size());
        moment.dice.seed = quint32(wholeNumber(field(DiceSeed), "moments", 0, std::numeric_limits<quint32>::max()));
        moment.dice.drawn = wholeNumber(field(DiceDrawn), "moments", -1, RandomDice::maximumDrawn);
        return moment;
    }

    Inventory inventory(const QJsonObject &json)
    {
        QList<GameObject> records;
        for (const QJsonValue &record : array(json, "objects", SavedAdventure::maximumObjects))
            records.append(gameObject(record.toObject()));
        return Inventory(records,
                         strings(json, "rows", SavedAdventure::maximumObjects, std::numeric_limits<int>::max()));
    }

    GameObject gameObject(const QJsonObject &json)
    {
        GameObject object;
        object.name = string(json, "name");
        object.type = number(json, "type");
        object.exchange = flag(json, "exchange");
        object.throwAway = flag(json, "throw");
        object.bonusHabilete = number(json, "habilete");
        object.bonusEndurance = number(json, "endurance");
        object.bonusChance = number(json, "chance");
        object.gold = number(json, "gold");
        object.food = number(json, "food");
        object.other = string(json, "other");
        return object;
    }

    PlayAreaContent screen(const QJsonObject &json)
    {
        PlayAreaContent screen;
        screen.shows = PlayAreaContent::Shows(name(json, "shows", showsNames));
        check(screen.shows != PlayAreaContent::Shows::End, "shows");
        screen.text = string(json, "text", ParagraphLayout::maximumTextLength + 1);
        screen.textSpan = number(json, "textSpan", 0, ParagraphLayout::maximumChoiceButtons);
        for (const QJsonValue &value : array(json, "monsters", ParagraphLayout::maximumMonstersDescribed)) {
            const QJsonObject monster = value.toObject();
            screen.monsters.append(Monster { string(monster, "name", ParagraphLayout::maximumCaptionLength + 1),
                                             number(monster, "habilete"), number(monster, "endurance"),
                                             string(monster, "value") });
        }
        screen.notes = strings(json, "notes", ParagraphLayout::maximumCodes, ParagraphLayout::maximumCaptionLength);
        for (const QJsonValue &value : array(json, "actions", SavedAdventure::maximumActions)) {
            const QJsonObject action = value.toObject();
            screen.actions.append(PlayAction { PlayAction::Kind(name(action, "kind", kindNames)),
                                               string(action, "caption", ParagraphLayout::maximumCaptionLength + 1),
                                               string(action, "target"),
                                               number(action, "row", 0, SavedAdventure::maximumRow),
                                               number(action, "column", 0, 2), flag(action, "enabled") });
        }
        return screen;
    }

    bool check(bool holds, const char *key)
    {
        if (ok() && !holds)
            fault = text("« %1 » est invalide").arg(QLatin1String(key));
        return ok() && holds;
    }
};

} // namespace

SavedAdventure SavedAdventure::of(const Adventure &adventure, const QString &bookPath, const QString &bookHash)
{
    SavedAdventure saved;
    saved.bookPath = bookPath;
    saved.bookHash = bookHash;
    saved.savedAt = QDateTime::currentDateTime();
    saved.name = defaultName(adventure.currentId(), saved.savedAt);
    saved.snapshot = adventure.snapshot();
    return saved;
}

QByteArray SavedAdventure::toJson() const
{
    QJsonArray inventories;
    for (const Inventory &inventory : snapshot.inventories)
        inventories.append(inventoryJson(inventory));
    QJsonArray screens;
    for (const PlayAreaContent &screen : snapshot.screens)
        screens.append(screenJson(screen));
    QJsonArray moments;
    for (const Moment &moment : snapshot.moments)
        moments.append(momentJson(moment));
    const QJsonObject json { { "valdorielSave", formatVersion },
                             { "book", QJsonObject { { "path", bookPath }, { "sha256", bookHash } } },
                             { "name", name },
                             { "savedAt", savedAt.toString(Qt::ISODateWithMs) },
                             { "visited", strings(snapshot.visited) },
                             { "inventories", inventories },
                             { "screens", screens },
                             { "moments", moments },
                             { "step", snapshot.current },
                             { "freshDice", snapshot.freshDiceOnReturn } };
    // Compact: a history of a hundred thousand steps stays within the size of a save.
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

bool SavedAdventure::fromJson(const QByteArray &json, SavedAdventure *saved, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        *error = json.trimmed().isEmpty() ? text("le fichier est vide")
                                          : text("le fichier est abîmé (%1)").arg(parseError.errorString());
        return false;
    }
    const QJsonObject root = document.object();
    Reader read;
    const int version = read.number(root, "valdorielSave");
    if (version != formatVersion && version != firstFormat) {
        *error = text("ce n'est pas une sauvegarde de ce programme");
        return false;
    }
    SavedAdventure result;
    const QJsonObject book = read.object(root, "book");
    result.bookPath = read.string(book, "path");
    result.bookHash = read.string(book, "sha256", 64);
    AdventureSnapshot &snapshot = result.snapshot;
    snapshot.visited = read.strings(root, "visited", maximumVisits, std::numeric_limits<int>::max());
    if (version == firstFormat) {
        // One moment, its dice unknown, on the paragraph visited last.
        snapshot.inventories.append(read.inventory(root));
        read.string(root, "current");
        snapshot.screens.append(read.screen(read.object(root, "screen")));
        snapshot.moments.append(read.firstFormatMoment(root, snapshot.visited.size()));
    } else {
        result.name = read.string(root, "name", maximumNameLength);
        result.savedAt = QDateTime::fromString(read.string(root, "savedAt", 64), Qt::ISODateWithMs);
        for (const QJsonValue &inventory : read.array(root, "inventories", maximumSteps))
            snapshot.inventories.append(read.inventory(inventory.toObject()));
        for (const QJsonValue &screen : read.array(root, "screens", maximumSteps))
            snapshot.screens.append(read.screen(screen.toObject()));
        const QJsonArray moments = read.array(root, "moments", maximumSteps);
        for (const QJsonValue &moment : moments)
            snapshot.moments.append(read.moment(moment, snapshot));
        read.check(!moments.isEmpty(), "moments");
        snapshot.current = read.number(root, "step", 0, int(moments.size()) - 1);
        snapshot.freshDiceOnReturn = read.flag(root, "freshDice");
    }
    if (!read.ok()) {
        *error = read.fault;
        return false;
    }
    *saved = result;
    return true;
}

const Moment &SavedAdventure::currentMoment() const
{
    return snapshot.moments.at(snapshot.current);
}

QString SavedAdventure::currentParagraph() const
{
    const int visits = currentMoment().visits;
    return visits > 0 ? snapshot.visited.at(visits - 1) : QString();
}

QString SavedAdventure::defaultName(const QString &paragraph, const QDateTime &date)
{
    return text("Paragraphe %1, %2").arg(paragraph, date.toString(QStringLiteral("dd/MM/yyyy HH:mm")));
}
