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
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
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
    QSettings settings(path, QSettings::IniFormat);
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
