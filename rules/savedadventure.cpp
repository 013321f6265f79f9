#include "savedadventure.h"

#include "adventure.h"
#include "paragraphlayout.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

constexpr int formatVersion = 1;

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

QJsonArray scoreJson(const AdventureSnapshot::Score &score)
{
    return { score.initial, score.current };
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

    int number(const QJsonValue &value, const char *key, int minimum = std::numeric_limits<int>::min(),
               int maximum = std::numeric_limits<int>::max())
    {
        const double number = value.toDouble();
        const bool whole = value.isDouble() && std::floor(number) == number && number >= minimum && number <= maximum;
        return check(whole, key) ? int(number) : 0;
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

    AdventureSnapshot::Score score(const QJsonObject &hero, const char *key)
    {
        const QJsonArray pair = array(hero, key, 2);
        AdventureSnapshot::Score score { number(pair.at(0), key), number(pair.at(1), key) };
        // A score never rises above its start.
        check(pair.size() == 2 && score.current <= score.initial, key);
        return score;
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

private:
    bool check(bool holds, const char *key)
    {
        if (ok() && !holds)
            fault = text("« %1 » est invalide").arg(QLatin1String(key));
        return ok() && holds;
    }
};

} // namespace

QByteArray SavedAdventure::toJson() const
{
    QJsonArray records;
    for (const GameObject &record : snapshot.records)
        records.append(objectJson(record));
    const QJsonObject hero { { "habilete", scoreJson(snapshot.habilete) },
                             { "endurance", scoreJson(snapshot.endurance) },
                             { "chance", scoreJson(snapshot.chance) } };
    const QJsonObject json { { "valdorielSave", formatVersion },
                             { "book", QJsonObject { { "path", bookPath }, { "sha256", bookHash } } },
                             { "hero", hero },
                             { "gold", snapshot.gold },
                             { "provisions", snapshot.provisions },
                             { "objects", records },
                             { "rows", strings(snapshot.rows) },
                             { "visited", strings(snapshot.visited) },
                             { "current", snapshot.currentId },
                             { "screen", screenJson(snapshot.screen) } };
    return QJsonDocument(json).toJson(QJsonDocument::Indented);
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
    if (read.number(root, "valdorielSave") != formatVersion) {
        *error = text("ce n'est pas une sauvegarde de ce programme");
        return false;
    }
    SavedAdventure result;
    const QJsonObject book = read.object(root, "book");
    result.bookPath = read.string(book, "path");
    result.bookHash = read.string(book, "sha256", 64);
    const QJsonObject hero = read.object(root, "hero");
    AdventureSnapshot &snapshot = result.snapshot;
    snapshot.habilete = read.score(hero, "habilete");
    snapshot.endurance = read.score(hero, "endurance");
    snapshot.chance = read.score(hero, "chance");
    snapshot.gold = read.number(root, "gold", Adventure::sheetMinimum, Adventure::sheetMaximum);
    snapshot.provisions = read.number(root, "provisions", Adventure::sheetMinimum, Adventure::sheetMaximum);
    for (const QJsonValue &record : read.array(root, "objects", maximumObjects))
        snapshot.records.append(read.gameObject(record.toObject()));
    snapshot.rows = read.strings(root, "rows", maximumObjects, std::numeric_limits<int>::max());
    snapshot.visited = read.strings(root, "visited", maximumVisits, std::numeric_limits<int>::max());
    snapshot.currentId = read.string(root, "current");
    snapshot.screen = read.screen(read.object(root, "screen"));
    if (!read.ok()) {
        *error = read.fault;
        return false;
    }
    *saved = result;
    return true;
}
