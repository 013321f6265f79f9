#include "ui_gamebook.h"

#include "harringtonfont.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int boxWidth = 160;

template <typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The sheet only shows numbers: nothing may be typed or stepped in it.
QSpinBox *displayBox(const char *name)
{
    auto *box = named(new QSpinBox, name);
    box->setReadOnly(true);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

// A size (and weight) without a family, so that the window's family shows through.
QFont sizedFont(int pointSize, bool bold = false)
{
    QFont font;
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QGroupBox *fixedWidthBox(const char *name)
{
    auto *box = named(new QGroupBox, name);
    box->setFixedWidth(boxWidth);
    return box;
}

} // namespace

QGroupBox *Ui_gameBook::scoreBox(const char *name, QLabel **title, QLabel **total, QSpinBox **initial,
                                 QSpinBox **current)
{
    const QByteArray score(name);
    QGroupBox *box = fixedWidthBox(QByteArray("gb_" + score).constData());
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(4, 4, 4, 4);
    *title = named(new QLabel, QByteArray("lbl_Title" + score).constData());
    (*title)->setFont(harringtonFont(16));
    (*title)->setAlignment(Qt::AlignCenter);
    *total = named(new QLabel, QByteArray("lbl_Total" + score).constData());
    (*total)->setFont(sizedFont(10));
    *initial = displayBox(QByteArray("sb_max" + score).constData());
    (*initial)->setFont(sizedFont(10));
    (*initial)->setFixedWidth(32);
    *current = displayBox(QByteArray("sb_" + score).constData());
    (*current)->setFont(sizedFont(16, true));
    grid->addWidget(*title, 0, 0, 1, 2);
    grid->addWidget(*total, 1, 0);
    grid->addWidget(*initial, 1, 1);
    grid->addWidget(*current, 2, 0, 1, 2);
    return box;
}

QGroupBox *Ui_gameBook::countBox(const char *name, QLabel **caption, QSpinBox **count)
{
    const QByteArray what(name);
    QGroupBox *box = fixedWidthBox(QByteArray("gb_" + what).constData());
    box->setMinimumHeight(60);
    auto *row = new QHBoxLayout(box);
    *caption = named(new QLabel, QByteArray("lbl_" + what).constData());
    (*caption)->setMaximumWidth(100);
    *count = displayBox(QByteArray("sb_" + what).constData());
    row->addWidget(*caption);
    row->addWidget(*count);
    return box;
}

void Ui_gameBook::setupUi(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("gameBook"));
    window->resize(858, 447);
    window->setWindowModality(Qt::ApplicationModal);
    window->setFont(harringtonFont());
    window->setContextMenuPolicy(Qt::NoContextMenu);

    centralWidget = named(new QWidget(window), "centralWidget");

    // The play area fills its place and scrolls only when a paragraph offers more buttons
    // than fit; squeezing them in instead would make them unreadable and the layout slow.
    playArea = named(new QScrollArea(centralWidget), "playArea");
    playArea->setGeometry(0, 3, 351, 441);
    playArea->setFrameShape(QFrame::NoFrame);
    playArea->setWidgetResizable(true);
    gridLayoutWidget_5 = named(new QWidget, "gridLayoutWidget_5");
    grid_Game = named(new QGridLayout(gridLayoutWidget_5), "grid_Game");
    grid_Game->setContentsMargins(0, 0, 0, 0);
    playArea->setWidget(gridLayoutWidget_5);

    separator = named(new QFrame(centralWidget), "separator");
    separator->setGeometry(351, 3, 6, 441);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Plain);
    separator->setLineWidth(3);

    gridLayoutWidget = named(new QWidget(centralWidget), "gridLayoutWidget");
    gridLayoutWidget->setGeometry(357, 3, 501, 441);
    grid_FeuilleAventure = named(new QGridLayout(gridLayoutWidget), "grid_FeuilleAventure");
    grid_FeuilleAventure->setContentsMargins(0, 0, 0, 0);

    lbl_FeuilleAventure = named(new QLabel, "lbl_FeuilleAventure");
    lbl_FeuilleAventure->setFont(harringtonFont(25));

    pb_MonsterList = named(new QPushButton, "pb_MonsterList");
    pb_MonsterList->setFont(sizedFont(12));
    pb_MonsterList->setFixedSize(160, 40);

    gb_Habilete = scoreBox("Habilete", &lbl_TitleHabilete, &lbl_TotalHabilete, &sb_maxHabilete, &sb_Habilete);
    gb_Endurance = scoreBox("Endurance", &lbl_TitleEndurance, &lbl_TotalEndurance, &sb_maxEndurance, &sb_Endurance);
    gb_Chance = scoreBox("Chance", &lbl_TitleChance, &lbl_TotalChance, &sb_maxChance, &sb_Chance);
    sb_Habilete->setFocusPolicy(Qt::NoFocus);
    sb_Endurance->setFocusPolicy(Qt::NoFocus);

    gb_Equipments = named(new QGroupBox, "gb_Equipments");
    gb_Equipments->setStyleSheet(QStringLiteral("border-color: rgb(255, 0, 0);"));
    auto *equipmentColumn = new QVBoxLayout(gb_Equipments);
    lbl_Equipments = named(new QLabel, "lbl_Equipments");
    lbl_Equipments->setFont(harringtonFont(10));
    listEquipments = named(new QListWidget, "listEquipments");
    listEquipments->setFont(harringtonFont(10));
    equipmentColumn->addWidget(lbl_Equipments);
    equipmentColumn->addWidget(listEquipments);

    gb_Gold = countBox("Gold", &lbl_Gold, &sb_Gold);
    gb_Food = countBox("Food", &lbl_Food, &sb_Food);

    gb_Potions = fixedWidthBox("gb_Potions");
    auto *potionColumn = new QVBoxLayout(gb_Potions);
    lbl_Potions = named(new QLabel, "lbl_Potions");
    lbl_Potions->setTextFormat(Qt::AutoText);
    lbl_Potions->setIndent(8);
    listPotions = named(new QListWidget, "listPotions");
    potionColumn->addWidget(lbl_Potions);
    potionColumn->addWidget(listPotions);

    grid_FeuilleAventure->addWidget(lbl_FeuilleAventure, 0, 0, 1, 2);
    grid_FeuilleAventure->addWidget(pb_MonsterList, 0, 2);
    grid_FeuilleAventure->addWidget(gb_Habilete, 1, 0);
    grid_FeuilleAventure->addWidget(gb_Endurance, 1, 1);
    grid_FeuilleAventure->addWidget(gb_Chance, 1, 2);
    grid_FeuilleAventure->addWidget(gb_Equipments, 2, 0, 3, 2);
    grid_FeuilleAventure->addWidget(gb_Gold, 2, 2);
    grid_FeuilleAventure->addWidget(gb_Food, 3, 2);
    grid_FeuilleAventure->addWidget(gb_Potions, 4, 2);

    window->setCentralWidget(centralWidget);

    retranslateUi(window);
    QMetaObject::connectSlotsByName(window);
}

void Ui_gameBook::retranslateUi(QMainWindow *window)
{
    window->setWindowTitle(QCoreApplication::translate("gameBook", "Feuille d'Aventure"));
    lbl_FeuilleAventure->setText(QCoreApplication::translate("gameBook", "Feuille d'Aventure"));
    pb_MonsterList->setText(QCoreApplication::translate("gameBook", "Monstres rencontrés"));
    lbl_TitleHabilete->setText(QCoreApplication::translate("gameBook", "HABILETE"));
    lbl_TitleEndurance->setText(QCoreApplication::translate("gameBook", "ENDURANCE"));
    lbl_TitleChance->setText(QCoreApplication::translate("gameBook", "CHANCE"));
    for (QLabel *total : { lbl_TotalHabilete, lbl_TotalEndurance, lbl_TotalChance })
        total->setText(QCoreApplication::translate("gameBook", "Total de départ ="));
    lbl_Gold->setText(QCoreApplication::translate("gameBook", "OR"));
    lbl_Food->setText(QCoreApplication::translate("gameBook", "Provisions"));
    lbl_Equipments->setText(QCoreApplication::translate("gameBook", "Equipements transportés"));
    lbl_Potions->setText(QCoreApplication::translate("gameBook", "Potions"));
}
