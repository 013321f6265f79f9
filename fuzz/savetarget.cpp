// Fuzz target: a save file's bytes, read as the player reads a save, then taken up on a small
// book and played on: buttons on show are pressed, and the history is stepped through, back,
// forward and to steps the journal lists. Beyond crashes, it checks that a save read back is
// written again as the same save.

#include "adventure.h"
#include "diceroll.h"
#include "fight.h"
#include "fuzzenvironment.h"
#include "readerinput.h"
#include "savedadventure.h"
#include "savestore.h"

#include <cstdint>

namespace {

// Keeps every roll, picks nothing and presses in every fight until it ends.
class PlainReader : public ReaderInput {
public:
    void keepRoll(const QString &, DiceRoll &) override { }
    ObjectPick pickObject(const QString &, const QList<CombatItem> &) override { return {}; }
    void fight(Fight &fight) override
    {
        for (int press = 0; press < 100 && fight.outcome() == Fight::Outcome::Undecided; ++press)
            fight.attack();
    }
};

class SixesDice : public DiceSource {
public:
    int nextFace() override { return 6; }
};

QMap<QString, Paragraph> smallBook()
{
    Paragraph first;
    first.text = QStringLiteral("Départ");
    first.type = QStringLiteral("E,L,C");
    first.choices.insert(QStringLiteral("C1"), Choice { QStringLiteral("001"), QStringLiteral("Suite") });
    Paragraph fight;
    fight.type = QStringLiteral("A,F");
    fight.monsters.insert(QStringLiteral("M1"), Monster { QStringLiteral("Loup"), 5, 4, QStringLiteral("000") });
    return { { QStringLiteral("000"), first }, { QStringLiteral("001"), fight } };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data),
                             int(qMin(size, size_t(SaveStore::maximumSaveSize + 1))));
    const QString book = FuzzEnvironment::instance().writeBook(QByteArray());
    const QString savePath = SaveStore::automaticPath(book);
    FuzzEnvironment::writeFile(savePath, content);

    SavedAdventure saved;
    QString error;
    if (!SaveStore::read(savePath, &saved, &error))
        return 0;
    const QByteArray written = saved.toJson();
    SavedAdventure again;
    if (!SavedAdventure::fromJson(written, &again, &error) || again.toJson() != written)
        FuzzEnvironment::fail("a save read back is not written again as the same save");

    SixesDice dice;
    PlainReader reader;
    Adventure adventure(&dice, &reader);
    adventure.setParagraphs(smallBook());
    adventure.restore(saved.snapshot);
    const QList<Adventure::JournalEntry> journal = adventure.journal();
    for (int press = 0; press < 20 && !adventure.screen().actions.isEmpty(); ++press) {
        const QList<PlayAction> &actions = adventure.screen().actions;
        adventure.press(actions.at(press % actions.size()));
        if (press % 3 == 1)
            adventure.stepBack();
        if (press % 5 == 4)
            adventure.returnTo(journal.at(press % journal.size()).firstStep);
        if (press % 7 == 6)
            adventure.stepForward();
    }
    return 0;
}
