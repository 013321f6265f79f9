// Draws every picture of the program and writes it under the repository root
// given as the only argument. The drawing is deterministic, so running it again
// rewrites identical files.

#include "diefaces.h"
#include "heroportraits.h"
#include "logoandbrand.h"
#include "monsterportraits.h"
#include "picturefiles.h"

#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <QVector>

#include <functional>

namespace {

// A picture drawn at a given scale: 1 for its size on screen, 2 for screens of high
// density, where the program takes the "@2x" file in its place.
struct NamedPicture {
    QString fileName;
    std::function<QImage(int scale)> draw;
};

QVector<NamedPicture> compiledInPictures()
{
    return {
        { QStringLiteral("Logo.png"), [](int scale) { return drawLogo(256 * scale); } },
        { QStringLiteral("Brand.png"), drawBrandMark },
        { QStringLiteral("Personnage1.jpg"), drawKnightPortrait },
        { QStringLiteral("Personnage.jpg"), drawWizardPortrait },
        { QStringLiteral("Monstre1.jpg"), drawOrcPortrait },
        { QStringLiteral("Monstre2.jpg"), drawDragonPortrait },
    };
}

QVector<NamedPicture> dieFacePictures()
{
    QVector<NamedPicture> pictures;
    for (int face = 1; face <= 6; ++face)
        pictures.append(
            { QStringLiteral("De-%1.png").arg(face), [face](int scale) { return drawDieFace(face, scale); } });
    return pictures;
}

// The desktop icons, laid out as in the hicolor icon theme, whose "@2" folders hold the
// icons of dense screens.
QVector<NamedPicture> desktopIcons()
{
    QVector<NamedPicture> pictures;
    for (int side : { 48, 128, 256 }) {
        for (int scale : { 1, 2 }) {
            const QString folder = QStringLiteral("%1x%1").arg(side) + (scale == 2 ? QStringLiteral("@2") : QString());
            pictures.append({ QStringLiteral("hicolor/%1/apps/org.valdoriel.Valdoriel.png").arg(folder),
                              [side, scale](int) { return drawLogo(side * scale); } });
        }
    }
    return pictures;
}

// "name@2x.ext" for "name.ext".
QString doubledName(const QString &fileName)
{
    QString doubled = fileName;
    return doubled.insert(fileName.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

bool writeAll(const QVector<NamedPicture> &pictures, const QStringList &folders, const QVector<int> &scales = { 1 })
{
    bool allWritten = true;
    for (const QString &folder : folders) {
        for (const NamedPicture &named : pictures) {
            for (int scale : scales) {
                const QString fileName = scale == 1 ? named.fileName : doubledName(named.fileName);
                allWritten = writePicture(named.draw(scale), QDir(folder).filePath(fileName)) && allWritten;
            }
        }
    }
    return allWritten;
}

} // namespace

int main(int argc, char *argv[])
{
    // Text is drawn through the platform's fonts, which needs a platform but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        qCritical().noquote() << "Usage:" << arguments.value(0) << "REPOSITORY_ROOT";
        return 2;
    }
    const QDir repositoryRoot(arguments.at(1));
    const QString resourceFolder = repositoryRoot.filePath(QStringLiteral("resources/images"));
    // The dice dialogs read the faces from "images" under the working directory;
    // the resource collection carries copies as well.
    const QString dieFolder = repositoryRoot.filePath(QStringLiteral("images"));
    const QString iconFolder = repositoryRoot.filePath(QStringLiteral("desktop/icons"));

    // The copies of the faces compiled in are not shown, so they need no "@2x" twins.
    const bool written = writeAll(compiledInPictures(), { resourceFolder }, { 1, 2 }) &&
        writeAll(dieFacePictures(), { resourceFolder }) && writeAll(dieFacePictures(), { dieFolder }, { 1, 2 }) &&
        writeAll(desktopIcons(), { iconFolder });
    return written ? 0 : 1;
}
