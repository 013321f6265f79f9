#ifndef UI_LAUNCHDEUCE_H
#define UI_LAUNCHDEUCE_H

class QDialog;
class QGridLayout;
class QSpinBox;
class QWidget;

// The fixed part of the dice dialog: the grid that holds faces, help and buttons, and the
// hidden spin box whose changes trigger a roll.
class Ui_LaunchDeuce {
public:
    QWidget *gridLayoutWidget;
    QGridLayout *gridLayout;
    QSpinBox *sb_nbDes;

    void setupUi(QDialog *dialog);
    void retranslateUi(QDialog *dialog);
};

#endif // UI_LAUNCHDEUCE_H
