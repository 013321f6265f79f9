#include "workspacetest.h"

#include "adventuredriver.h"

#include <QtTest>

void WorkspaceTest::cleanup()
{
    QVERIFY(AdventureDriver::deleteAdventureWindows());
}
