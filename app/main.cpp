#include "mainwindow.h"

#include <QApplication>

#include <cstdlib>
#include <ctime>

int main(int argc, char *argv[])
{
    srand(time(nullptr));
    // On a screen of high density, sizes in points and pixels grow with its scale, and
    // pictures are taken from their "@2x" twins, so that nothing is tiny or blurred.
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication application(argc, argv);
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.valdoriel.Valdoriel"));
    MainWindow window;
    window.show();
    return application.exec();
}
