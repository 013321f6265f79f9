#include "resumequestion.h"

#include "savestore.h"

#include <QMessageBox>
#include <QPushButton>

ResumeQuestion::Answer ResumeQuestion::ask(QWidget *parent, const QString &bookPath)
{
    const bool automatic = SaveStore::hasAutomatic(bookPath);
    const bool named = !SaveStore::namedPaths(bookPath).isEmpty();
    if (!automatic && !named)
        return Answer::NewAdventure;
    QMessageBox question(QMessageBox::Question, tr("Reprendre l'aventure ?"),
                         automatic ? tr("Une aventure de ce livre a été sauvegardée. Voulez-vous la reprendre où vous "
                                        "l'aviez laissée ?")
                                   : tr("Ce livre a des sauvegardes. Voulez-vous en reprendre une ?"),
                         QMessageBox::No, parent);
    if (automatic) {
        question.addButton(QMessageBox::Yes)->setText(tr("Reprendre"));
        question.setDefaultButton(QMessageBox::Yes);
    }
    QPushButton *choose = named ? question.addButton(tr("Choisir une sauvegarde…"), QMessageBox::ActionRole) : nullptr;
    question.button(QMessageBox::No)->setText(tr("Nouvelle aventure"));
    question.setEscapeButton(QMessageBox::No);
    const int answer = question.exec();
    if (choose && question.clickedButton() == choose)
        return Answer::Choose;
    return answer == QMessageBox::Yes ? Answer::Resume : Answer::NewAdventure;
}

void ResumeQuestion::sayUnreadable(QWidget *parent, const QString &error)
{
    QMessageBox box(QMessageBox::Warning, tr("Sauvegarde illisible"),
                    tr("La sauvegarde de ce livre ne peut pas être lue : %1.").arg(error), QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(tr("Nouvelle aventure"));
    box.exec();
}
