#include "workspacetest.h"

#include "adventuredriver.h"
#include "datafolder.h"

#include <QtTest>

void WorkspaceTest::cleanup()
{
    const bool deleted = AdventureDriver::deleteAdventureWindows();
    // The windows write their adventures as they go: the next case begins without them.
    QDir(dataFolder() + QStringLiteral("/saves")).removeRecursively();
    QVERIFY(deleted);
}
