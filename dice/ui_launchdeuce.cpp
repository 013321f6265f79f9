#include "ui_launchdeuce.h"

#include "harringtonfont.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QSpinBox>

void Ui_LaunchDeuce::setupUi(QDialog *dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("LaunchDeuce"));
    dialog->setWindowFlags(Qt::WindowMaximizeButtonHint);
    dialog->setFixedSize(375, 290);
    dialog->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    dialog->setFont(harringtonFont(12));
    dialog->setModal(true);
    dialog->setContextMenuPolicy(Qt::NoContextMenu);

    gridLayoutWidget = new QWidget(dialog);
    gridLayoutWidget->setObjectName(QStringLiteral("gridLayoutWidget"));
    gridLayoutWidget->setGeometry(9, 10, 361, 271);
    gridLayout = new QGridLayout(gridLayoutWidget);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    gridLayout->setContentsMargins(0, 0, 0, 0);

    // Beyond the right edge on purpose: it only carries the dice count.
    sb_nbDes = new QSpinBox(dialog);
    sb_nbDes->setObjectName(QStringLiteral("sb_nbDes"));
    sb_nbDes->setGeometry(440, 10, 42, 22);
    sb_nbDes->setEnabled(false);

    retranslateUi(dialog);
}

void Ui_LaunchDeuce::retranslateUi(QDialog *dialog)
{
    dialog->setWindowTitle(QCoreApplication::translate("LaunchDeuce", "Lancer de dés"));
}
