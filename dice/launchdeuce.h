#ifndef LAUNCHDEUCE_H
#define LAUNCHDEUCE_H

#include <QDialog>

class DiceSource;
class QLabel;
class QPushButton;
class Ui_LaunchDeuce;

// The dice dialog: shows a roll of one or two dice as faces and lets the player roll
// again a limited number of times. The roll on screen when it closes is the one that counts.
class LaunchDeuce : public QDialog {
    Q_OBJECT

public:
    explicit LaunchDeuce(QWidget *parent = nullptr);
    ~LaunchDeuce() override;

    // Opens the dialog modally, rolling from `dice`, and returns the total of the last roll.
    static int launch(const QString &title, int diceCount, int attempts, DiceSource &dice);
    static int launch(const QString &title, int diceCount, int attempts);

    void setTitle(const QString &title);
    // Where the rolls come from; the runtime's generator unless set before the first roll.
    void setDiceSource(DiceSource *dice);
    // Rolls at once. Counts below 1 roll as one die and above 2 as two, so the dialog
    // always shows a roll.
    void setDiceCount(int count);
    void setAttempts(int attempts);
    int total() const;

private Q_SLOTS:
    void changeDes();
    void nouvelleTentative();

private:
    void placeHelpAndButtons(int columnSpan);

    Ui_LaunchDeuce *ui;
    int firstDie = 0;
    int secondDie = 0;
    int attempts = 3;
    int diceCount = 0;
    DiceSource *dice;
    // Owned here rather than by a parent: each is placed in the grid only when needed.
    QLabel *firstFace;
    QLabel *secondFace;
    QLabel *helpLabel;
    QPushButton *rerollButton;
    QPushButton *okButton;
};

#endif // LAUNCHDEUCE_H
