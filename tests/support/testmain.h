#ifndef TESTMAIN_H
#define TESTMAIN_H

#include "workspacetest.h"

#include <QtTest>
#include <QtWidgets>

// Runs a test object offscreen; the object makes its workspace the working directory.
#define VALDORIEL_TEST_MAIN(TestObject)                                                                                \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication application(argc, argv);                                                                          \
        TestObject test;                                                                                               \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

#endif // TESTMAIN_H
