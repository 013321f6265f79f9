// A book's HTML shows the pictures beside the book and reads nothing else: no device, pipe,
// file outside the book's folder or style sheet, in paragraphs, monster names and outcomes.

#include "adventuredriver.h"
#include "modalanswers.h"
#include "namedpipe.h"
#include "testmain.h"

namespace {

const QRgb besideColour = qRgb(20, 160, 60);
const QRgb outsideColour = qRgb(200, 30, 170);

QString picture(const QString &source)
{
    return QStringLiteral("<img src=\"%1\">").arg(source);
}

// A picture of one colour, written with a palette: small and quick to write.
void writePicture(const QString &path, QRgb colour, int side)
{
    QImage image(side, side, QImage::Format_Indexed8);
    image.setColorTable({ colour });
    image.fill(0);
    image.save(path, nullptr, 80);
}

// A JPEG of a few hundred bytes whose header announces 10000 x 10000 pixels: 400 MB once
// decoded.
QByteArray jpegBomb()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(outsideColour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "jpeg");
    // The frame header: marker, length and precision, then height and width, big-endian.
    const int frame = bytes.indexOf("\xff\xc0");
    for (int index = frame + 5; index < frame + 9; index += 2)
        bytes.replace(index, 2, "\x27\x10");
    return bytes;
}

// A GIF of a few bytes: a screen of 10000 x 10000 pixels holding one image of one pixel,
// which Qt's reader tells as its size. Qt fills the rest with the background colour, the
// outside colour.
const char gifBomb[] = "GIF89a\x10\x27\x10\x27\x80\x00\x00\xc8\x1e\xaa\xc8\x1e\xaa"
                       ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x4c\x01\x00;";

// Whether a picture in 32-bit RGB (whose lines have no padding) holds that colour.
bool holds(const QImage &image, QRgb colour)
{
    const auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
    return std::count(pixels, pixels + image.width() * image.height(), colour) > 0;
}

// The peak resident memory of this process, as Linux tells it.
qint64 peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    const QByteArray field = "VmHWM:";
    QByteArray line;
    if (status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        do
            line = status.readLine();
        while (!line.isEmpty() && !line.startsWith(field));
    }
    return line.mid(field.size()).trimmed().split(' ').first().toLongLong();
}

// What the reader sees once the button is pressed: whether the next text came within a
// second and with little memory (a device or a pipe read as a picture takes far more, or
// for ever), and which of the two pictures it shows.
QStringList seenAfterPressing(gameBook *window, const QString &caption)
{
    const qint64 peakBefore = peakKilobytes();
    QElapsedTimer clock;
    clock.start();
    if (!AdventureDriver::press(window, caption))
        return { QStringLiteral("no button") };
    const QImage drawn =
        AdventureDriver::textView(window)->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QStringList seen;
    if (clock.elapsed() < 1000 && peakKilobytes() - peakBefore < 256 * 1024)
        seen << QStringLiteral("soon and small");
    if (holds(drawn, besideColour))
        seen << QStringLiteral("beside");
    if (holds(drawn, outsideColour))
        seen << QStringLiteral("outside");
    return seen;
}

} // namespace

class BookHtmlTest : public WorkspaceTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(peakKilobytes() > 0);
        const QDir folder(workspace.bookFolder());
        writePicture(folder.filePath(QStringLiteral("beside.png")), besideColour, 12);
        writePicture(QDir::current().filePath(QStringLiteral("outside.png")), outsideColour, 12);
        // 17 MB: more than a picture may weigh, though not too many pixels.
        QImage heavy(2400, 2400, QImage::Format_RGB32);
        heavy.fill(outsideColour);
        heavy.save(folder.filePath(QStringLiteral("heavy.bmp")));
        workspace.writeBook(QStringLiteral("bomb.jpg"), jpegBomb());
        workspace.writeBook(QStringLiteral("bomb.gif"), QByteArray(gifBomb, sizeof gifBomb - 1));
        // Two pictures that one text may not hold both.
        writePicture(folder.filePath(QStringLiteral("first.png")), besideColour, 3000);
        writePicture(folder.filePath(QStringLiteral("second.png")), outsideColour, 3000);
        QVERIFY(QFile::link(QStringLiteral("../outside.png"), folder.filePath(QStringLiteral("tunnel.png"))));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.filePath(QStringLiteral("zero.png"))));
        QVERIFY(NamedPipe::make(folder.filePath(QStringLiteral("pipe.png"))));
        workspace.writeBook(QStringLiteral("style.css"),
                            "p { background-color: " + QColor(outsideColour).name().toLatin1() + " }");
    }

    void showsOnlyPicturesBesideTheBook_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("monster");
        // Relative names are read from the book's folder, and from the working directory when
        // Qt reads them itself: climbing to the root leads out of both.
        const QString outside = QDir::current().filePath(QStringLiteral("outside.png"));
        const QString climbing = QStringLiteral("../../../../../../../../../..");
        const QString ogre = QStringLiteral("Ogre");
        QTest::newRow("/dev/zero") << picture("/dev/zero") << ogre;
        QTest::newRow("link to /dev/zero") << picture("zero.png") << ogre;
        QTest::newRow("pipe beside the book") << picture("pipe.png") << ogre;
        QTest::newRow("out of the folder") << picture(climbing + outside) << ogre;
        QTest::newRow("absolute path") << picture(outside) << ogre;
        QTest::newRow("file URL") << picture(QUrl::fromLocalFile(outside).toString()) << ogre;
        QTest::newRow("link out of the folder") << picture("tunnel.png") << ogre;
        QTest::newRow("too many bytes") << picture("heavy.bmp") << ogre;
        QTest::newRow("too many pixels") << picture("bomb.jpg") << ogre;
        QTest::newRow("too many pixels together")
            << "<img src=\"first.png\" width=\"30\" height=\"30\"><img src=\"second.png\" width=\"30\" height=\"30\">"
            << ogre;
        QTest::newRow("GIF hiding its size") << picture("bomb.gif") << ogre;
        QTest::newRow("table and cell backgrounds")
            << QStringLiteral("<table background=\"/dev/zero\"><tr><td background=\"%1\">case</td></tr></table>")
                   .arg(outside)
            << ogre;
        QTest::newRow("body background") << QStringLiteral("<body background=\"%1\">corps</body>").arg(outside) << ogre;
        QTest::newRow("CSS background")
            << QStringLiteral("<p style=\"background-image: url(%1)\">fond</p>").arg(outside) << ogre;
        // A style sheet beside the book, and a name asked for as a style sheet, then as a picture.
        const QString styleSheet = QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"%1\"/>");
        QTest::newRow("style sheets") << styleSheet.arg("style.css") + "<p>style</p>" + styleSheet.arg(outside) +
                picture(outside) << ogre;
        QTest::newRow("monster name") << QString() << picture("/dev/zero") + picture(outside);
    }

    // Each text comes as a paragraph, with a monster described under it, and as the outcome
    // of a luck test.
    void showsOnlyPicturesBesideTheBook()
    {
        QFETCH(QString, text);
        QFETCH(QString, monster);
        const QString shown = (picture("beside.png") + text).toHtmlEscaped();
        gameBook *window = AdventureDriver::start(workspace.writeParagraphs(
            QStringLiteral(
                R"(<Attr id="000"><Text>Porte</Text><Type>C</Type><Choices><C Value="1">Entrer</C></Choices></Attr>
                <Attr id="1"><Text>%1</Text><Type>A,L</Type><Monster><M Name="%2" Habilete="1" Endurance="1"/></Monster>
                <Luck><Lucky Value="1">%1</Lucky><Unlucky Value="1">%1</Unlucky></Luck></Attr>)")
                .arg(shown, monster.toHtmlEscaped())
                .toUtf8()));
        const QStringList expected { QStringLiteral("soon and small"), QStringLiteral("beside") };
        QCOMPARE(seenAfterPressing(window, QStringLiteral("Entrer")), expected);
        ModalAnswers answers;
        answers.acceptDice();
        QCOMPARE(seenAfterPressing(window, QStringLiteral("Tentez votre chance !")), expected);
    }
};

VALDORIEL_TEST_MAIN(BookHtmlTest)
#include "tst_bookhtml.moc"
