#ifndef UI_GAMEBOOK_H
#define UI_GAMEBOOK_H

class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QMainWindow;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QWidget;

// The widgets of the adventure window: the play area on the left, the adventure sheet on
// the right.
class Ui_gameBook {
public:
    QWidget *centralWidget;
    QScrollArea *playArea;
    QWidget *gridLayoutWidget_5;
    QGridLayout *grid_Game;
    QFrame *separator;
    QWidget *gridLayoutWidget;
    QGridLayout *grid_FeuilleAventure;
    QLabel *lbl_FeuilleAventure;
    QPushButton *pb_MonsterList;
    QGroupBox *gb_Habilete;
    QLabel *lbl_TitleHabilete;
    QLabel *lbl_TotalHabilete;
    QSpinBox *sb_maxHabilete;
    QSpinBox *sb_Habilete;
    QGroupBox *gb_Endurance;
    QLabel *lbl_TitleEndurance;
    QLabel *lbl_TotalEndurance;
    QSpinBox *sb_maxEndurance;
    QSpinBox *sb_Endurance;
    QGroupBox *gb_Chance;
    QLabel *lbl_TitleChance;
    QLabel *lbl_TotalChance;
    QSpinBox *sb_maxChance;
    QSpinBox *sb_Chance;
    QGroupBox *gb_Equipments;
    QLabel *lbl_Equipments;
    QListWidget *listEquipments;
    QGroupBox *gb_Gold;
    QLabel *lbl_Gold;
    QSpinBox *sb_Gold;
    QGroupBox *gb_Food;
    QLabel *lbl_Food;
    QSpinBox *sb_Food;
    QGroupBox *gb_Potions;
    QLabel *lbl_Potions;
    QListWidget *listPotions;

    void setupUi(QMainWindow *window);
    void retranslateUi(QMainWindow *window);

private:
    // One score box: its name across the top, "Total de départ =" and the starting value,
    // then the current value in large type.
    QGroupBox *scoreBox(const char *name, QLabel **title, QLabel **total, QSpinBox **initial, QSpinBox **current);
    // A box with a caption beside a count, for gold and provisions.
    QGroupBox *countBox(const char *name, QLabel **caption, QSpinBox **count);
};

#endif // UI_GAMEBOOK_H
