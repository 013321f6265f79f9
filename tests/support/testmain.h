#ifndef TESTMAIN_H
#define TESTMAIN_H

#include "testworkspace.h"

#include <QApplication>
#include <QtTest>

// Runs a test object offscreen inside its own temporary working directory.
#define VALDORIEL_TEST_MAIN(TestObject)                                                                                \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication application(argc, argv);                                                                          \
        TestWorkspace workspace;                                                                                       \
        TestObject test(&workspace);                                                                                   \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

#endif // TESTMAIN_H
