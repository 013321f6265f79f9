#ifndef UI_INVENTORYCHOICE_H
#define UI_INVENTORYCHOICE_H

class QDialog;
class QLabel;
class QListWidget;
class QPushButton;

// The widgets of the object-choice dialog, from top to bottom.
class Ui_InventoryChoice {
public:
    QLabel *lbl_Title;
    QLabel *lbl_Title_2;
    QListWidget *tableObject;
    QPushButton *pb_Validate;

    void setupUi(QDialog *dialog);
    void retranslateUi(QDialog *dialog);
};

#endif // UI_INVENTORYCHOICE_H
