// Fuzz target: the bytes of an exploration file, read as the library reads it, counted
// against a small book and added to as an adventure adds to it. Beyond crashes, it checks
// that an exploration read back is written again as the same file, and that the counts
// never exceed what the book holds.

#include "bookoutline.h"
#include "exploration.h"
#include "explorationrecorder.h"
#include "explorationstore.h"
#include "fuzzenvironment.h"

#include <cstdint>

namespace {

BookOutline smallBook()
{
    Paragraph ending;
    ending.type = QStringLiteral("V");
    return BookOutline::of({ { QStringLiteral("000"), Paragraph() }, { QStringLiteral("001"), ending } });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data),
                             int(qMin(size, size_t(ExplorationStore::maximumFileSize + 1))));
    const QString book = FuzzEnvironment::instance().writeBook(QByteArray());
    const QString path = ExplorationStore::pathFor(book);
    FuzzEnvironment::writeFile(path, content);

    const Exploration read = ExplorationStore::read(book);
    const QByteArray written = read.toJson();
    Exploration again;
    if (!Exploration::fromJson(written, &again) || again.toJson() != written)
        FuzzEnvironment::fail("an exploration read back is not written again as the same file");
    const BookOutline::Progress progress = smallBook().progressOf(read);
    if (progress.read > progress.paragraphs || progress.endingsFound > progress.endings ||
        progress.victoriesFound > progress.endingsFound || progress.readPercent() > 100)
        FuzzEnvironment::fail("the counts exceed what the book holds");
    {
        ExplorationRecorder recorder(book, nullptr);
        recorder.beginAdventure();
        recorder.noteRead(QStringLiteral("001"));
    }
    Exploration added;
    if (!Exploration::fromJson(ExplorationStore::read(book).toJson(), &added) ||
        !added.read.contains(QStringLiteral("001")))
        FuzzEnvironment::fail("a paragraph read is not added to the exploration");
    return 0;
}
