#include "ui_mainwindow.h"

#include "harringtonfont.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

void Ui_MainWindow::setupUi(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindow"));
    window->resize(563, 464);
    window->setWindowIcon(QIcon(QStringLiteral(":/images/Logo.png")));

    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));

    lbl_Title = new QLabel(centralWidget);
    lbl_Title->setObjectName(QStringLiteral("lbl_Title"));
    lbl_Title->setGeometry(10, 0, 543, 61);
    QFont titleFont = harringtonFont(34);
    titleFont.setBold(true);
    titleFont.setItalic(false);
    titleFont.setKerning(true);
    lbl_Title->setFont(titleFont);
    lbl_Title->setAlignment(Qt::AlignCenter);
    lbl_Title->setWordWrap(true);
    lbl_Title->setContextMenuPolicy(Qt::NoContextMenu);

    label_2 = new QLabel(centralWidget);
    label_2->setObjectName(QStringLiteral("label_2"));
    label_2->setGeometry(20, 64, 523, 22);
    QFont instructionFont = harringtonFont(10);
    instructionFont.setWeight(QFont::Normal);
    label_2->setFont(instructionFont);

    listWidget = new QListWidget(centralWidget);
    listWidget->setObjectName(QStringLiteral("listWidget"));
    listWidget->setGeometry(20, 90, 523, 200);
    listWidget->setFont(harringtonFont(10));

    pb_Launch = new QPushButton(centralWidget);
    pb_Launch->setObjectName(QStringLiteral("pb_Launch"));
    pb_Launch->setGeometry(111, 300, 341, 44);
    pb_Launch->setFont(harringtonFont(20));
    pb_Launch->setEnabled(false);

    label = new QLabel(centralWidget);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(363, 348, 190, 60);
    label->setPixmap(QPixmap(QStringLiteral(":/images/Brand.png")));
    label->setAlignment(Qt::AlignRight | Qt::AlignBottom);

    window->setCentralWidget(centralWidget);

    menuBar = new QMenuBar(window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    window->setMenuBar(menuBar);

    mainToolBar = new QToolBar(window);
    mainToolBar->setObjectName(QStringLiteral("mainToolBar"));
    window->addToolBar(Qt::TopToolBarArea, mainToolBar);

    statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    window->setStatusBar(statusBar);

    retranslateUi(window);
    QMetaObject::connectSlotsByName(window);
}

void Ui_MainWindow::retranslateUi(QMainWindow *window)
{
    window->setWindowTitle(QCoreApplication::translate("MainWindow", "Sélection du Livre-Jeu"));
    lbl_Title->setText(QCoreApplication::translate("MainWindow", "Valdoriel"));
    label_2->setText(QCoreApplication::translate("MainWindow", "Sélectionner un livre-jeu dans la liste ci-dessous :"));
    pb_Launch->setText(QCoreApplication::translate("MainWindow", "Démarrer l'aventure !"));
}
