#include "commandline.h"
#include "mainwindow.h"
#include "randomdice.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <ctime>

int main(int argc, char *argv[])
{
    RandomDice::shared().seed(time(nullptr));
    // On a screen of high density, sizes in points and pixels grow with its scale, and
    // pictures are taken from their "@2x" twins, so that nothing is tiny or blurred. Qt 6
    // always does so.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    CommandLine commandLine;
    {
        // Read before any window system is asked for, so that --help and --version answer
        // in a terminal without a display.
        QCoreApplication reader(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("valdoriel"));
        QCoreApplication::setApplicationVersion(QStringLiteral(VALDORIEL_VERSION));
        QString error;
        if (!CommandLine::parse(QCoreApplication::arguments(), &commandLine, &error)) {
            std::fprintf(stderr, "valdoriel: %s\n", qPrintable(error));
            return 2;
        }
    }
    QApplication application(argc, argv);
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.valdoriel.Valdoriel"));
    MainWindow window;
    window.show();
    // Once the selection window is on screen, the book given starts in front of it.
    if (!commandLine.books.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, &commandLine] {
            window.startBook(commandLine.books.first(), commandLine.firstParagraph, commandLine.seed);
        });
    }
    return application.exec();
}
