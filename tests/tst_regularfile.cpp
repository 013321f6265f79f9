// What the program asks of the operating system about files: opening only regular files of
// bounded size, at once, and telling one version of a file from another. Built with the
// program's file calls, and as tst_regularfile_qtonly with those on Qt alone.

#include "namedpipe.h"
#include "regularfile.h"

#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

const QByteArray content = "livre";

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

class RegularFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensRegularFilesOfBoundedSizeOnly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("maximumSize");
        QTest::addColumn<bool>("opens");
        QTest::newRow("regular file") << QStringLiteral("file") << qint64(content.size()) << true;
        QTest::newRow("one byte too many") << QStringLiteral("file") << qint64(content.size() - 1) << false;
        QTest::newRow("link to a regular file") << QStringLiteral("link") << qint64(content.size()) << true;
        QTest::newRow("folder") << QStringLiteral("folder") << qint64(1000) << false;
        QTest::newRow("pipe") << QStringLiteral("pipe") << qint64(1000) << false;
        QTest::newRow("device") << QStringLiteral("device") << qint64(1000) << false;
        QTest::newRow("nothing") << QStringLiteral("nothing") << qint64(1000) << false;
    }

    void opensRegularFilesOfBoundedSizeOnly()
    {
        QFETCH(QString, kind);
        QFETCH(qint64, maximumSize);
        QFETCH(bool, opens);
        QString path = folder.filePath(QStringLiteral("livre.xml"));
        QVERIFY(write(folder.filePath(QStringLiteral("original.xml")), content));
        if (kind == QLatin1String("file"))
            QVERIFY(write(path, content));
        else if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(folder.filePath(QStringLiteral("original.xml")), path));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else if (kind == QLatin1String("pipe"))
            QVERIFY(NamedPipe::make(path));
        else if (kind == QLatin1String("device"))
            path = QStringLiteral("/dev/zero");
        QFile file(path);
        QCOMPARE(RegularFile::open(&file, maximumSize), opens);
        QCOMPARE(file.isOpen(), opens);
        if (opens)
            QCOMPARE(file.readAll(), content);
    }

    void stampTellsVersionsApart_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("sameStamp");
        QTest::newRow("untouched") << QStringLiteral("none") << true;
        QTest::newRow("written in place, same size") << QStringLiteral("write") << false;
        QTest::newRow("renamed over, same size and time") << QStringLiteral("rename") << false;
        QTest::newRow("removed") << QStringLiteral("remove") << false;
    }

    void stampTellsVersionsApart()
    {
        QFETCH(QString, change);
        QFETCH(bool, sameStamp);
        const QString path = folder.filePath(QStringLiteral("livre.xml"));
        QVERIFY(write(path, content));
        const QByteArray before = RegularFile::stamp(path);
        QVERIFY(!before.isEmpty());
        QCOMPARE(RegularFile::stamp(path), before);
        // File systems keep times in steps of a few milliseconds.
        QThread::msleep(20);
        if (change == QLatin1String("write")) {
            QVERIFY(write(path, content.toUpper()));
        } else if (change == QLatin1String("rename")) {
            QFile replacement(folder.filePath(QStringLiteral("nouveau.xml")));
            QVERIFY(write(replacement.fileName(), content));
            QVERIFY(replacement.open(QIODevice::ReadWrite));
            QVERIFY(replacement.setFileTime(QFileInfo(path).lastModified(), QFileDevice::FileModificationTime));
            replacement.close();
            QVERIFY(QFile::remove(path));
            QVERIFY(replacement.rename(path));
        } else if (change == QLatin1String("remove")) {
            QVERIFY(QFile::remove(path));
        }
        const QByteArray after = RegularFile::stamp(path);
        QCOMPARE(after == before, sameStamp);
        QCOMPARE(after.isEmpty(), change == QLatin1String("remove"));
    }

    void cleanup()
    {
        QDir files(folder.path());
        QVERIFY(files.removeRecursively() && files.mkpath(QStringLiteral(".")));
    }

private:
    QTemporaryDir folder;
};

QTEST_GUILESS_MAIN(RegularFileTest)
#include "tst_regularfile.moc"
