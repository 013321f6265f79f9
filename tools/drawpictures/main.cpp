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

namespace {

struct NamedPicture {
    QString fileName;
    QImage picture;
};

QVector<NamedPicture> compiledInPictures()
{
    return {
        { QStringLiteral("Logo.png"), drawLogo(256) },
        { QStringLiteral("Brand.png"), drawBrandMark() },
        { QStringLiteral("Personnage1.jpg"), drawKnightPortrait() },
        { QStringLiteral("Personnage.jpg"), drawWizardPortrait() },
        { QStringLiteral("Monstre1.jpg"), drawOrcPortrait() },
        { QStringLiteral("Monstre2.jpg"), drawDragonPortrait() },
    };
}

QVector<NamedPicture> dieFacePictures()
{
    QVector<NamedPicture> pictures;
    for (int face = 1; face <= 6; ++face)
        pictures.append({ QStringLiteral("De-%1.png").arg(face), drawDieFace(face) });
    return pictures;
}

// The desktop icons, laid out as in the hicolor icon theme.
QVector<NamedPicture> desktopIcons()
{
    QVector<NamedPicture> pictures;
    for (int side : { 48, 128, 256 }) {
        pictures.append({ QStringLiteral("hicolor/%1x%1/apps/org.valdoriel.Valdoriel.png").arg(side), drawLogo(side) });
    }
    return pictures;
}

bool writeAll(const QVector<NamedPicture> &pictures, const QStringList &folders)
{
    bool allWritten = true;
    for (const QString &folder : folders) {
        for (const NamedPicture &named : pictures)
            allWritten = writePicture(named.picture, QDir(folder).filePath(named.fileName)) && allWritten;
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

    const bool written = writeAll(compiledInPictures(), { resourceFolder }) &&
        writeAll(dieFacePictures(), { resourceFolder, dieFolder }) && writeAll(desktopIcons(), { iconFolder });
    return written ? 0 : 1;
}
