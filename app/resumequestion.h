#ifndef RESUMEQUESTION_H
#define RESUMEQUESTION_H

#include <QCoreApplication>
#include <QString>

class QWidget;

// Asked when a book with saves is started: whether to take up its automatic save
// ("Reprendre"), to choose one of its named saves ("Choisir une sauvegarde…"), or to begin
// anew ("Nouvelle aventure", which keeps every save).
class ResumeQuestion {
    Q_DECLARE_TR_FUNCTIONS(ResumeQuestion)

public:
    enum class Answer { Resume, Choose, NewAdventure };

    // A new adventure, unasked, for a book without saves.
    static Answer ask(QWidget *parent, const QString &bookPath);
    // Says that the save cannot be read, and that a new adventure begins instead.
    static void sayUnreadable(QWidget *parent, const QString &error);
};

#endif // RESUMEQUESTION_H
