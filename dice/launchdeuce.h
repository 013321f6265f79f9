#ifndef LAUNCHDEUCE_H
#define LAUNCHDEUCE_H

#include <QDialog>

class DiceRoll;
class QGridLayout;
class QLabel;
class QPushButton;

// The dice dialog: shows a roll of one or two dice as faces and lets the player roll
// again while the roll allows. The roll on screen when it closes is the one that counts.
class LaunchDeuce : public QDialog {
    Q_OBJECT

public:
    explicit LaunchDeuce(QWidget *parent = nullptr);
    ~LaunchDeuce() override;

    // Opens the dialog modally on `roll`; whatever closes it (OK, Escape, the close box),
    // the roll on show is kept.
    static void launch(const QString &title, DiceRoll &roll);
    // The same on a roll of the runtime's dice; returns its total.
    static int launch(const QString &title, int diceCount, int attempts);

    void setTitle(const QString &title);
    // Shows `roll`, which stays the caller's and must outlive the dialog's run.
    void setRoll(DiceRoll *roll);
    int total() const;

private Q_SLOTS:
    void changeDes();
    void nouvelleTentative();

private:
    void showRoll(bool withRerolls);
    void placeHelpAndButtons(int columnSpan, bool withRerolls);

    DiceRoll *roll = nullptr;
    QGridLayout *gridLayout;
    // Owned here rather than by a parent: each is placed in the grid only when needed.
    QLabel *firstFace;
    QLabel *secondFace;
    QLabel *helpLabel;
    QPushButton *rerollButton;
    QPushButton *okButton;
};

#endif // LAUNCHDEUCE_H
