// Fuzz target: the bytes of the reader's settings file, taken up as the windows take them
// up at start. Beyond crashes, it checks that the adventure window stays within the screen
// and its minimum size, and that the text keeps a size between its bounds.

#include "fuzzenvironment.h"
#include "readersettings.h"
#include "textzoom.h"
#include "theme.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzEnvironment::instance();
    FuzzEnvironment::writeFile(ReaderSettings::filePath(), QByteArray(reinterpret_cast<const char *>(data), int(size)));

    Theme::applyKept();
    TextZoom::restore();
    const int points = TextZoom::textFont().pointSize();
    if (points < TextZoom::smallestPoints || points > TextZoom::largestPoints)
        FuzzEnvironment::fail("the text is sized beyond its bounds");
    QWidget window;
    window.setMinimumSize(858, 447);
    window.resize(858, 447);
    ReaderSettings::restoreWindow(&window);
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    if (window.width() > qMax(screen.width(), 858) || window.height() > qMax(screen.height(), 447) ||
        window.width() < 858 || window.height() < 447)
        FuzzEnvironment::fail("the adventure window is sized beyond the screen or below its minimum");
    return 0;
}
