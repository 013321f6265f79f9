#include "mainwindow.h"

#include <QApplication>

#include <cstdlib>
#include <ctime>

int main(int argc, char *argv[])
{
    srand(time(nullptr));
    QApplication application(argc, argv);
    MainWindow window;
    window.show();
    return application.exec();
}
