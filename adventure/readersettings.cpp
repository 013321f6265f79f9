#include "readersettings.h"

#include "regularfile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include <memory>

namespace {

const QString widthKey = QStringLiteral("adventureWindow/width");
const QString heightKey = QStringLiteral("adventureWindow/height");
const QString maximizedKey = QStringLiteral("adventureWindow/maximized");

// Each value is kept as plain text, a line "key=value" under its "[group]": QSettings' own
// INI format would take a value written "@Variant(...)" for serialised data, whose counts
// a hostile file can make huge enough to exhaust the memory.
QString escaped(const QString &value)
{
    QString text = value;
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

QString unescaped(const QString &text)
{
    QString value;
    for (int at = 0; at < text.size(); ++at) {
        const QChar character = text.at(at);
        if (character != QLatin1Char('\\') || at + 1 == text.size()) {
            value += character;
            continue;
        }
        const QChar next = text.at(++at);
        value += next == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
            : next == QLatin1Char('r')    ? QChar(QLatin1Char('\r'))
                                          : next;
    }
    return value;
}

bool readPlainText(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray content = device.read(ReaderSettings::maximumFileSize + 1);
    if (content.size() > ReaderSettings::maximumFileSize)
        return false;
    QString group;
    for (const QString &line : QString::fromUtf8(content).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        const int equals = trimmed.indexOf(QLatin1Char('='));
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')))
            group = trimmed.mid(1, trimmed.size() - 2) + QLatin1Char('/');
        else if (equals > 0)
            map.insert(group + trimmed.left(equals).trimmed(), unescaped(trimmed.mid(equals + 1).trimmed()));
    }
    return true;
}

bool writePlainText(QIODevice &device, const QSettings::SettingsMap &map)
{
    QString text;
    QString group;
    // Keys without a group come first, before any group's heading.
    for (bool grouped : { false, true }) {
        for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
            const int slash = entry.key().indexOf(QLatin1Char('/'));
            if ((slash >= 0) != grouped)
                continue;
            if (grouped && entry.key().left(slash) != group) {
                group = entry.key().left(slash);
                text += QStringLiteral("[%1]\n").arg(group);
            }
            text +=
                entry.key().mid(slash + 1) + QLatin1Char('=') + escaped(entry.value().toString()) + QLatin1Char('\n');
        }
    }
    const QByteArray bytes = text.toUtf8();
    return device.write(bytes) == bytes.size();
}

QSettings::Format plainText()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), &readPlainText, &writePlainText);
    return format;
}

// True when the file is absent, or one that the player may read.
bool readable(const QString &path)
{
    if (!QFile::exists(path))
        return true;
    QFile file(path);
    return RegularFile::open(&file, ReaderSettings::maximumFileSize);
}

// The settings, or null when the file may not be read.
std::unique_ptr<QSettings> openToRead()
{
    const QString path = ReaderSettings::filePath();
    if (!readable(path))
        return nullptr;
    return std::make_unique<QSettings>(path, plainText());
}

} // namespace

QString ReaderSettings::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/valdoriel/valdoriel.conf");
}

int ReaderSettings::integer(const QString &key, int fallback)
{
    const std::unique_ptr<QSettings> settings = openToRead();
    bool number = false;
    const int value = settings ? settings->value(key).toString().toInt(&number) : 0;
    return number ? value : fallback;
}

QString ReaderSettings::text(const QString &key)
{
    const std::unique_ptr<QSettings> settings = openToRead();
    const QString value = settings ? settings->value(key).toString() : QString();
    return value.size() <= maximumTextLength ? value : QString();
}

void ReaderSettings::setValue(const QString &key, const QVariant &value)
{
    const QString path = filePath();
    // A file that may not be read is not the player's: it gives way to one that is.
    if (!readable(path))
        QFile::remove(path);
    QSettings settings(path, plainText());
    settings.setValue(key, value);
}

void ReaderSettings::restoreWindow(QWidget *window)
{
    const int width = integer(widthKey, 0);
    const int height = integer(heightKey, 0);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (width > 0 && height > 0 && screen) {
        const QSize room = screen->availableGeometry().size();
        window->resize(QSize(width, height).boundedTo(room).expandedTo(window->minimumSize()));
    }
    if (integer(maximizedKey, 0) == 1)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void ReaderSettings::keepWindow(const QWidget *window)
{
    const bool maximized = window->isMaximized();
    const QSize size = maximized ? window->normalGeometry().size() : window->size();
    if (size.isValid()) {
        setValue(widthKey, size.width());
        setValue(heightKey, size.height());
    }
    setValue(maximizedKey, maximized ? 1 : 0);
}
