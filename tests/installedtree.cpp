// Copied beside the installed player and started as a reader starts it, from an empty folder
// with empty data folders of its own: the list holds the installed books and the dice show
// their faces, both found from the program's folder alone.

#include "dieface.h"
#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

class InstalledTreeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsTheInstalledBooksAndDieFaces()
    {
        const QDir books(DataFolders::installed() + QStringLiteral("/Add-on"));
        QVERIFY2(!books.isEmpty(), qPrintable(books.path()));
        MainWindow window;
        const auto *list = window.findChild<QListWidget *>(QStringLiteral("listWidget"));
        QCOMPARE(list->count(), int(books.entryList({ QStringLiteral("*.xml") }).size()));
        for (int face = 1; face <= 6; ++face)
            QVERIFY2(!dieFace(face).isNull(), qPrintable(QString::number(face)));
    }
};

QTEST_MAIN(InstalledTreeTest)
#include "installedtree.moc"
