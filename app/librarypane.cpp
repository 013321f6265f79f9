#include "librarypane.h"

#include "bookoutlinereader.h"
#include "exploration.h"
#include "explorationstore.h"
#include "harringtonfont.h"
#include "savestore.h"
#include "ui_librarypane.h"

#include <QLocale>

LibraryPane::LibraryPane(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_LibraryPane)
    , reader(new BookOutlineReader(this))
{
    useHarringtonStandIns();
    ui->setupUi(this);
    connect(reader, &BookOutlineReader::outlineRead, this, [this](const QString &read) {
        if (read == path)
            showCounts();
    });
    showBook(QString(), QString());
}

LibraryPane::~LibraryPane()
{
    delete ui;
}

void LibraryPane::showBook(const QString &bookPath, const QString &bookTitle)
{
    path = bookPath;
    title = bookTitle;
    refresh();
}

void LibraryPane::refresh()
{
    const bool selected = !path.isEmpty();
    for (QLabel *label : findChildren<QLabel *>())
        label->setVisible(selected);
    ui->lbl_BookTitle->setVisible(true);
    if (!selected) {
        ui->lbl_BookTitle->setText(tr("Choisissez un livre dans la liste."));
        return;
    }
    ui->lbl_BookTitle->setText(title);
    const Exploration exploration = ExplorationStore::read(path);
    ui->lbl_Adventures->setText(tr("Aventures commencées : %1").arg(exploration.adventuresBegun));
    ui->lbl_LastAdventure->setVisible(exploration.lastPlayed.isValid());
    const QLocale french(QLocale::French, QLocale::France);
    ui->lbl_LastAdventure->setText(
        tr("Dernière aventure : %1")
            .arg(french.toString(exploration.lastPlayed.date(), QStringLiteral("d MMMM yyyy"))));
    ui->lbl_Resumable->setText(SaveStore::exists(path) ? tr("Une aventure peut être reprise.")
                                                       : tr("Aucune aventure à reprendre."));
    showCounts();
}

void LibraryPane::showCounts()
{
    const std::optional<BookOutline> outline = reader->outline(path);
    const bool counted = outline && outline->readable;
    for (QLabel *label : { ui->lbl_Read, ui->lbl_Endings, ui->lbl_Victories })
        label->setVisible(counted);
    if (!outline) {
        ui->lbl_Paragraphs->setText(tr("Lecture du livre…"));
        return;
    }
    if (!counted) {
        ui->lbl_Paragraphs->setText(tr("Ce livre ne peut pas être ouvert."));
        return;
    }
    const BookOutline::Progress progress = outline->progressOf(ExplorationStore::read(path));
    ui->lbl_Paragraphs->setText(progress.paragraphs == 1 ? tr("1 paragraphe")
                                                         : tr("%1 paragraphes").arg(progress.paragraphs));
    ui->lbl_Read->setText(
        tr("Paragraphes lus : %1 / %2 (%3 %)").arg(progress.read).arg(progress.paragraphs).arg(progress.readPercent()));
    ui->lbl_Endings->setText(tr("Fins trouvées : %1 / %2").arg(progress.endingsFound).arg(progress.endings));
    ui->lbl_Victories->setText(tr("Victoires : %1").arg(progress.victoriesFound));
}
