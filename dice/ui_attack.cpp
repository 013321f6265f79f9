#include "ui_attack.h"

#include "harringtonfont.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <typename Object> Object *named(Object *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

QSpinBox *scoreBox(const QString &name)
{
    auto *box = named(new QSpinBox, name);
    box->setFont(harringtonFont());
    box->setAlignment(Qt::AlignCenter);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return box;
}

QFont boldFont()
{
    QFont font = harringtonFont(12);
    font.setBold(true);
    return font;
}

QLabel *strengthLabel(const QString &name)
{
    auto *label = named(new QLabel, name);
    label->setFont(boldFont());
    label->setWordWrap(true);
    return label;
}

QSpinBox *strengthBox(const QString &name)
{
    auto *box = named(new QSpinBox, name);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QFont font;
    font.setPointSize(12);
    font.setBold(true);
    box->setFont(font);
    box->setAlignment(Qt::AlignCenter);
    box->setReadOnly(true);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return box;
}

} // namespace

void Ui_Attack::fighterColumn(QDialog *dialog, const char *side, QWidget **holder, QVBoxLayout **column,
                              QLabel **portrait, QFormLayout **form, QLabel **habileteLabel, QSpinBox **habilete,
                              QLabel **enduranceLabel, QSpinBox **endurance)
{
    const QString suffix = QLatin1String(side);
    *holder = new QWidget(dialog);
    *column = named(new QVBoxLayout(*holder), QStringLiteral("vLayout_") + suffix);
    (*column)->setContentsMargins(0, 0, 0, 0);
    *portrait = named(new QLabel, QStringLiteral("Img_") + suffix);
    (*portrait)->setAlignment(Qt::AlignCenter);
    (*column)->addWidget(*portrait);
    *form = new QFormLayout;
    *habileteLabel = named(new QLabel, QStringLiteral("lbl_Habilete") + suffix);
    *enduranceLabel = named(new QLabel, QStringLiteral("lbl_Endurance") + suffix);
    (*habileteLabel)->setFont(harringtonFont(12));
    (*enduranceLabel)->setFont(harringtonFont(12));
    *habilete = scoreBox(QStringLiteral("sb_Habilete") + suffix);
    *endurance = scoreBox(QStringLiteral("sb_Endurance") + suffix);
    (*form)->addRow(*habileteLabel, *habilete);
    (*form)->addRow(*enduranceLabel, *endurance);
    (*column)->addLayout(*form);
}

void Ui_Attack::setupUi(QDialog *dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("Attack"));
    dialog->resize(549, 308);
    dialog->setFont(harringtonFont());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setContextMenuPolicy(Qt::NoContextMenu);

    fighterColumn(dialog, "Perso", &verticalLayoutWidget, &vLayout_Perso, &Img_Perso, &formLayout, &lbl_HabiletePerso,
                  &sb_HabiletePerso, &lbl_EndurancePerso, &sb_EndurancePerso);
    verticalLayoutWidget->setObjectName(QStringLiteral("verticalLayoutWidget"));
    verticalLayoutWidget->setGeometry(10, 10, 161, 241);
    formLayout->setObjectName(QStringLiteral("formLayout"));
    Img_Perso->setPixmap(QPixmap(QStringLiteral(":/images/Personnage1.jpg")));

    fighterColumn(dialog, "Monster", &verticalLayoutWidget_3, &vLayout_Monster, &Img_Monster, &formLayout_2,
                  &lbl_HabileteMonster, &sb_HabileteMonster, &lbl_EnduranceMonster, &sb_EnduranceMonster);
    verticalLayoutWidget_3->setObjectName(QStringLiteral("verticalLayoutWidget_3"));
    verticalLayoutWidget_3->setGeometry(378, 10, 161, 241);
    formLayout_2->setObjectName(QStringLiteral("formLayout_2"));
    Img_Monster->setPixmap(QPixmap(QStringLiteral(":/images/Monstre1.jpg")));

    gridLayoutWidget = named(new QWidget(dialog), QStringLiteral("gridLayoutWidget"));
    gridLayoutWidget->setGeometry(181, 10, 187, 180);
    gridLayout_Battle = named(new QGridLayout(gridLayoutWidget), QStringLiteral("gridLayout_Battle"));
    gridLayout_Battle->setContentsMargins(0, 0, 0, 0);
    lbl_FAPerso = strengthLabel(QStringLiteral("lbl_FAPerso"));
    sb_FAPerso = strengthBox(QStringLiteral("sb_FAPerso"));
    horizontalLayout = named(new QHBoxLayout, QStringLiteral("horizontalLayout"));
    lbl_De1 = named(new QLabel, QStringLiteral("lbl_De1"));
    lbl_De2 = named(new QLabel, QStringLiteral("lbl_De2"));
    lbl_De1->setAlignment(Qt::AlignCenter);
    lbl_De2->setAlignment(Qt::AlignCenter);
    horizontalLayout->addWidget(lbl_De1);
    horizontalLayout->addWidget(lbl_De2);
    lbl_FAMonster = strengthLabel(QStringLiteral("lbl_FAMonster"));
    sb_FAMonster = strengthBox(QStringLiteral("sb_FAMonster"));
    sb_FAMonster->setValue(0);
    gridLayout_Battle->addWidget(lbl_FAPerso, 0, 0);
    gridLayout_Battle->addWidget(sb_FAPerso, 0, 1);
    gridLayout_Battle->addLayout(horizontalLayout, 1, 0, 1, 2);
    gridLayout_Battle->addWidget(lbl_FAMonster, 2, 0);
    gridLayout_Battle->addWidget(sb_FAMonster, 2, 1);

    lbl_Bonus = named(new QLabel(dialog), QStringLiteral("lbl_Bonus"));
    lbl_Bonus->setGeometry(10, 262, 250, 36);
    lbl_Bonus->setWordWrap(true);

    gridLayoutWidget_2 = named(new QWidget(dialog), QStringLiteral("gridLayoutWidget_2"));
    gridLayoutWidget_2->setGeometry(181, 198, 187, 100);
    gridButton = named(new QGridLayout(gridLayoutWidget_2), QStringLiteral("gridButton"));
    gridButton->setContentsMargins(0, 0, 0, 0);

    retranslateUi(dialog);
    QMetaObject::connectSlotsByName(dialog);
}

void Ui_Attack::retranslateUi(QDialog *dialog)
{
    dialog->setWindowTitle(QCoreApplication::translate("Attack", "Combat"));
    for (QLabel *label : { lbl_HabiletePerso, lbl_HabileteMonster })
        label->setText(QCoreApplication::translate("Attack", "Habileté "));
    for (QLabel *label : { lbl_EndurancePerso, lbl_EnduranceMonster })
        label->setText(QCoreApplication::translate("Attack", "Endurance "));
    lbl_FAPerso->setText(QCoreApplication::translate("Attack", "Votre Force d'Attaque :"));
    lbl_FAMonster->setText(QCoreApplication::translate("Attack", "Force d'Attaque du monstre :"));
    lbl_Bonus->setText(QCoreApplication::translate("Attack", "Bonus : "));
}
