#include "savesdialog.h"

#include "harringtonfont.h"
#include "ui_savesdialog.h"

#include <QHeaderView>
#include <QMessageBox>

namespace {

enum Column { Name, Date, Paragraph, Endurance, Gold };

} // namespace

SavesDialog::SavesDialog(const QString &bookPath, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui_SavesDialog)
    , bookPath(bookPath)
{
    useHarringtonStandIns();
    ui->setupUi(this);
    connect(ui->pb_TakeUp, &QPushButton::clicked, this, &SavesDialog::takeUp);
    connect(ui->pb_Rename, &QPushButton::clicked, this, &SavesDialog::rename);
    connect(ui->pb_Delete, &QPushButton::clicked, this, &SavesDialog::deleteSave);
    connect(ui->pb_Close, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->treeSaves, &QTreeWidget::itemSelectionChanged, this, &SavesDialog::changedSelection);
    connect(ui->treeSaves, &QTreeWidget::itemChanged, this, &SavesDialog::renamed);
    connect(ui->treeSaves, &QTreeWidget::itemActivated, this, &SavesDialog::takeUp);
    // The name takes the room the numbers leave.
    QHeaderView *header = ui->treeSaves->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(Name, QHeaderView::Stretch);
    fill();
}

SavesDialog::~SavesDialog()
{
    delete ui;
}

QString SavesDialog::chosenPath() const
{
    return chosen;
}

void SavesDialog::fill()
{
    entries = SaveStore::namedSaves(bookPath);
    const QSignalBlocker blocker(ui->treeSaves);
    ui->treeSaves->clear();
    for (const SaveStore::Entry &entry : qAsConst(entries)) {
        auto *item = new QTreeWidgetItem(ui->treeSaves);
        item->setText(Date, entry.savedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm")));
        if (!entry.fault.isEmpty()) {
            item->setText(Name, tr("Illisible : %1").arg(entry.fault));
            QFont font = item->font(Name);
            font.setItalic(true);
            item->setFont(Name, font);
            continue;
        }
        item->setText(Name, entry.name);
        item->setText(Paragraph, entry.paragraph);
        item->setText(Endurance, QString::number(entry.endurance));
        item->setText(Gold, QString::number(entry.gold));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    // The newest is the one most often taken up.
    ui->treeSaves->setCurrentItem(ui->treeSaves->topLevelItem(0));
    changedSelection();
}

const SaveStore::Entry *SavesDialog::selected() const
{
    QTreeWidgetItem *item = ui->treeSaves->currentItem();
    if (!item || !item->isSelected())
        return nullptr;
    return &entries.at(ui->treeSaves->indexOfTopLevelItem(item));
}

void SavesDialog::changedSelection()
{
    const SaveStore::Entry *entry = selected();
    const bool readable = entry && entry->fault.isEmpty();
    ui->pb_TakeUp->setEnabled(readable);
    ui->pb_Rename->setEnabled(readable);
    ui->pb_Delete->setEnabled(entry);
}

void SavesDialog::takeUp()
{
    const SaveStore::Entry *entry = selected();
    if (!entry || !entry->fault.isEmpty())
        return;
    chosen = entry->path;
    accept();
}

void SavesDialog::rename()
{
    if (selected())
        ui->treeSaves->editItem(ui->treeSaves->currentItem(), Name);
}

// The name typed in place is written into the save; an empty one or a failure puts the
// list back as the files hold it.
void SavesDialog::renamed(QTreeWidgetItem *item, int column)
{
    const int row = ui->treeSaves->indexOfTopLevelItem(item);
    const QString name = item->text(Name).trimmed();
    if (column != Name || row < 0 || name == entries.at(row).name)
        return;
    QString error;
    if (!name.isEmpty() && !SaveStore::rename(entries.at(row).path, name, &error))
        QMessageBox::warning(this, tr("Renommage impossible"),
                             tr("La sauvegarde n'a pas pu être renommée : %1.").arg(error));
    fill();
    ui->treeSaves->setCurrentItem(ui->treeSaves->topLevelItem(row));
}

void SavesDialog::deleteSave()
{
    const SaveStore::Entry *entry = selected();
    if (!entry)
        return;
    const QString question = entry->fault.isEmpty()
        ? tr("Supprimer la sauvegarde « %1 » ? Elle ne pourra plus être reprise.").arg(entry->name)
        : tr("Supprimer cette sauvegarde illisible ?");
    if (QMessageBox::question(this, tr("Supprimer la sauvegarde ?"), question) != QMessageBox::Yes)
        return;
    QString error;
    if (!SaveStore::remove(entry->path, &error))
        QMessageBox::warning(this, tr("Suppression impossible"),
                             tr("La sauvegarde n'a pas pu être supprimée : %1.").arg(error));
    fill();
}
