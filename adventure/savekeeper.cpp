#include "savekeeper.h"

#include "savestore.h"

#include <QMessageBox>
#include <QPushButton>

bool SaveKeeper::makeRoom(QWidget *parent, const QString &bookPath)
{
    if (SaveStore::namedPaths(bookPath).size() < SaveStore::maximumNamedSaves)
        return true;
    const QList<SaveStore::Entry> saves = SaveStore::namedSaves(bookPath);
    const QList<SaveStore::Entry> oldest = saves.mid(SaveStore::maximumNamedSaves - 1);
    const SaveStore::Entry &first = oldest.first();
    const QString text = oldest.size() > 1
        ? tr("Ce livre a déjà %1 sauvegardes : pour en ajouter une, les %2 plus anciennes seront supprimées.")
              .arg(saves.size())
              .arg(oldest.size())
        : tr("Ce livre a déjà %1 sauvegardes : pour en ajouter une, la plus ancienne, « %2 », sera supprimée.")
              .arg(saves.size())
              .arg(first.fault.isEmpty() ? first.name : tr("illisible, du %1").arg(first.savedAt.toString()));
    QMessageBox question(QMessageBox::Question, tr("Trop de sauvegardes"), text, QMessageBox::Yes | QMessageBox::Cancel,
                         parent);
    question.button(QMessageBox::Yes)->setText(tr("Supprimer et continuer"));
    question.button(QMessageBox::Cancel)->setText(tr("Annuler"));
    if (question.exec() != QMessageBox::Yes)
        return false;
    for (const SaveStore::Entry &entry : oldest) {
        QString error;
        if (!SaveStore::remove(entry.path, &error)) {
            QMessageBox::warning(parent, tr("Suppression impossible"),
                                 tr("La sauvegarde n'a pas pu être supprimée : %1.").arg(error));
            return false;
        }
    }
    return true;
}

bool SaveKeeper::keepAutomatic(QWidget *parent, const QString &bookPath)
{
    if (!SaveStore::hasAutomatic(bookPath))
        return true;
    if (!makeRoom(parent, bookPath))
        return false;
    QString error;
    if (SaveStore::keepAutomatic(bookPath, &error))
        return true;
    QMessageBox::warning(parent, tr("Sauvegarde impossible"),
                         tr("L'aventure sauvegardée automatiquement n'a pas pu être gardée : %1.").arg(error));
    return false;
}
