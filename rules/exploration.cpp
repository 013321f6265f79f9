#include "exploration.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>

namespace {

const QString formatKey = QStringLiteral("format");
const QString readKey = QStringLiteral("read");
const QString adventuresKey = QStringLiteral("adventures");
const QString lastPlayedKey = QStringLiteral("lastPlayed");
constexpr int format = 1;

bool acceptable(const QString &id)
{
    return id.size() <= Exploration::maximumIdLength;
}

} // namespace

bool Exploration::noteRead(const QString &id)
{
    if (read.size() >= maximumParagraphs || !acceptable(id) || read.contains(id))
        return false;
    read.insert(id);
    return true;
}

QByteArray Exploration::toJson() const
{
    QStringList ids(read.cbegin(), read.cend());
    std::sort(ids.begin(), ids.end());
    QJsonObject object;
    object.insert(formatKey, format);
    object.insert(readKey, QJsonArray::fromStringList(ids));
    object.insert(adventuresKey, adventuresBegun);
    if (lastPlayed.isValid())
        object.insert(lastPlayedKey, lastPlayed.toUTC().toString(Qt::ISODate));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool Exploration::fromJson(const QByteArray &json, Exploration *exploration)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    const QJsonObject object = document.object();
    const QJsonValue ids = object.value(readKey);
    const QJsonValue adventures = object.value(adventuresKey);
    const QJsonValue lastPlayed = object.value(lastPlayedKey);
    if (!document.isObject() || object.value(formatKey).toInt() != format || !ids.isArray() ||
        ids.toArray().size() > maximumParagraphs || !adventures.isDouble() ||
        !(lastPlayed.isUndefined() || lastPlayed.isString()))
        return false;
    Exploration result;
    const double count = adventures.toDouble();
    if (count < 0 || count > maximumAdventures || count != int(count))
        return false;
    result.adventuresBegun = int(count);
    for (const QJsonValue &id : ids.toArray()) {
        if (!id.isString() || !acceptable(id.toString()))
            return false;
        result.read.insert(id.toString());
    }
    result.lastPlayed = QDateTime::fromString(lastPlayed.toString(), Qt::ISODate);
    if (lastPlayed.isString() && !result.lastPlayed.isValid())
        return false;
    *exploration = result;
    return true;
}
