#include "ui_inventorychoice.h"

#include "harringtonfont.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QLabel *titleLabel(QDialog *dialog, const QString &name, int top)
{
    auto *label = new QLabel(dialog);
    label->setObjectName(name);
    label->setGeometry(10, top, 231, 32);
    QFont font;
    font.setPointSize(20);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

} // namespace

void Ui_InventoryChoice::setupUi(QDialog *dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("InventoryChoice"));
    dialog->resize(251, 300);
    dialog->setFont(harringtonFont(10));

    lbl_Title = titleLabel(dialog, QStringLiteral("lbl_Title"), 8);
    lbl_Title_2 = titleLabel(dialog, QStringLiteral("lbl_Title_2"), 42);

    tableObject = new QListWidget(dialog);
    tableObject->setObjectName(QStringLiteral("tableObject"));
    tableObject->setGeometry(20, 82, 211, 166);
    tableObject->setFont(harringtonFont());

    pb_Validate = new QPushButton(dialog);
    pb_Validate->setObjectName(QStringLiteral("pb_Validate"));
    pb_Validate->setGeometry(75, 258, 101, 32);

    retranslateUi(dialog);
    QMetaObject::connectSlotsByName(dialog);
}

void Ui_InventoryChoice::retranslateUi(QDialog *dialog)
{
    dialog->setWindowTitle(QCoreApplication::translate("InventoryChoice", "Dialog"));
    lbl_Title->setText(QCoreApplication::translate("InventoryChoice", "Sélection de"));
    lbl_Title_2->setText(QCoreApplication::translate("InventoryChoice", "l'armure"));
    pb_Validate->setText(QCoreApplication::translate("InventoryChoice", "Valider"));
}
