#ifndef WORKSPACETEST_H
#define WORKSPACETEST_H

#include "testworkspace.h"

#include <QObject>

// A test object that runs inside a workspace of its own. After each test function it deletes
// the adventure windows left open and the adventures they saved, and fails the function if
// any other window is left over.
class WorkspaceTest : public QObject {
    Q_OBJECT

protected:
    TestWorkspace workspace;

private Q_SLOTS:
    void cleanup();
};

#endif // WORKSPACETEST_H
