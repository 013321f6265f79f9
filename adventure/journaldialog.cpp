#include "journaldialog.h"

#include "harringtonfont.h"
#include "ui_journaldialog.h"

#include <QHash>
#include <QTextDocumentFragment>

namespace {

constexpr int wordsShown = 12;
// Enough of the markup to hold the first words, whatever the length of the text.
constexpr int markupRead = 1000;

// A text's first words, without its markup.
QString firstWords(const QString &html)
{
    const QStringList words = QTextDocumentFragment::fromHtml(html.left(markupRead))
                                  .toPlainText()
                                  .simplified()
                                  .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString shown = words.mid(0, wordsShown).join(QLatin1Char(' '));
    return words.size() > wordsShown ? shown + QChar(0x2026) : shown;
}

} // namespace

JournalDialog::JournalDialog(const QList<Adventure::JournalEntry> &entries, int currentStep, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui_JournalDialog)
    , entries(entries)
{
    useHarringtonStandIns();
    ui->setupUi(this);
    // A screen shown again and again is read once.
    QHash<QString, QString> wordsOfText;
    for (int index = 0; index < entries.size(); ++index) {
        const Adventure::JournalEntry &entry = entries.at(index);
        auto words = wordsOfText.find(entry.text);
        if (words == wordsOfText.end())
            words = wordsOfText.insert(entry.text, firstWords(entry.text));
        auto *item = new QListWidgetItem(QStringLiteral("%1 — %2").arg(entry.paragraph, *words), ui->listJournal);
        if (entry.firstStep <= currentStep && currentStep <= entry.lastStep) {
            current = index;
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
        } else if (entry.firstStep > currentStep) {
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        }
    }
    connect(ui->listJournal, &QListWidget::itemSelectionChanged, this, &JournalDialog::changedSelection);
    connect(ui->listJournal, &QListWidget::itemActivated, this, &JournalDialog::returnHere);
    connect(ui->pb_ReturnHere, &QPushButton::clicked, this, &JournalDialog::returnHere);
    connect(ui->pb_Close, &QPushButton::clicked, this, &QDialog::reject);
    ui->listJournal->setCurrentRow(current);
    ui->listJournal->scrollToItem(ui->listJournal->currentItem());
}

JournalDialog::~JournalDialog()
{
    delete ui;
}

int JournalDialog::chosenStep() const
{
    const int row = ui->listJournal->currentRow();
    return row >= 0 ? entries.at(row).lastStep : entries.at(current).lastStep;
}

void JournalDialog::changedSelection()
{
    const int row = ui->listJournal->currentRow();
    ui->pb_ReturnHere->setEnabled(row >= 0 && row != current);
}

void JournalDialog::returnHere()
{
    if (ui->pb_ReturnHere->isEnabled())
        accept();
}
