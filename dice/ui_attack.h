#ifndef UI_ATTACK_H
#define UI_ATTACK_H

class QDialog;
class QFormLayout;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QSpinBox;
class QVBoxLayout;
class QWidget;

// The widgets of the combat dialog: the hero on the left, the fight in the middle, the
// monster on the right, the buttons under the fight.
class Ui_Attack {
public:
    QWidget *verticalLayoutWidget;
    QVBoxLayout *vLayout_Perso;
    QLabel *Img_Perso;
    QFormLayout *formLayout;
    QLabel *lbl_HabiletePerso;
    QSpinBox *sb_HabiletePerso;
    QLabel *lbl_EndurancePerso;
    QSpinBox *sb_EndurancePerso;
    QWidget *verticalLayoutWidget_3;
    QVBoxLayout *vLayout_Monster;
    QLabel *Img_Monster;
    QFormLayout *formLayout_2;
    QLabel *lbl_HabileteMonster;
    QSpinBox *sb_HabileteMonster;
    QLabel *lbl_EnduranceMonster;
    QSpinBox *sb_EnduranceMonster;
    QWidget *gridLayoutWidget;
    QGridLayout *gridLayout_Battle;
    QLabel *lbl_FAPerso;
    QSpinBox *sb_FAPerso;
    QHBoxLayout *horizontalLayout;
    QLabel *lbl_De1;
    QLabel *lbl_De2;
    QLabel *lbl_FAMonster;
    QSpinBox *sb_FAMonster;
    QLabel *lbl_Bonus;
    QWidget *gridLayoutWidget_2;
    QGridLayout *gridButton;

    void setupUi(QDialog *dialog);
    void retranslateUi(QDialog *dialog);

private:
    // A fighter's column: portrait, then HABILETE and ENDURANCE rows.
    void fighterColumn(QDialog *dialog, const char *side, QWidget **holder, QVBoxLayout **column, QLabel **portrait,
                       QFormLayout **form, QLabel **habileteLabel, QSpinBox **habilete, QLabel **enduranceLabel,
                       QSpinBox **endurance);
};

#endif // UI_ATTACK_H
