#include "commandline.h"
#include "mainwindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char *argv[])
{
    srand(time(nullptr));
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("valdoriel"));
    QApplication::setApplicationVersion(QStringLiteral(VALDORIEL_VERSION));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.valdoriel.Valdoriel"));
    CommandLine commandLine;
    QString error;
    if (!CommandLine::parse(QApplication::arguments(), &commandLine, &error)) {
        std::fprintf(stderr, "valdoriel: %s\n", qPrintable(error));
        return 2;
    }
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
