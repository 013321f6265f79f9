#include "bookoutline.h"

#include "exploration.h"
#include "paragraphlayout.h"

#include <cmath>

namespace {

int countRead(const QSet<QString> &ids, const QSet<QString> &read)
{
    const QSet<QString> &smaller = ids.size() < read.size() ? ids : read;
    const QSet<QString> &larger = ids.size() < read.size() ? read : ids;
    int count = 0;
    for (const QString &id : smaller)
        count += larger.contains(id) ? 1 : 0;
    return count;
}

} // namespace

int BookOutline::Progress::readPercent() const
{
    return paragraphs > 0 ? int(std::lround(100.0 * read / paragraphs)) : 0;
}

BookOutline BookOutline::of(const QMap<QString, Paragraph> &paragraphs)
{
    BookOutline outline;
    outline.readable = true;
    for (auto paragraph = paragraphs.cbegin(); paragraph != paragraphs.cend(); ++paragraph) {
        outline.paragraphs.insert(paragraph.key());
        const QStringList codes = ParagraphLayout::codes(paragraph.value());
        if (codes.contains(QLatin1String("V")))
            outline.victories.insert(paragraph.key());
        if (codes.contains(QLatin1String("X")) || codes.contains(QLatin1String("V")))
            outline.endings.insert(paragraph.key());
    }
    return outline;
}

BookOutline::Progress BookOutline::progressOf(const Exploration &exploration) const
{
    Progress progress;
    progress.paragraphs = paragraphs.size();
    progress.read = countRead(paragraphs, exploration.read);
    progress.endings = endings.size();
    progress.endingsFound = countRead(endings, exploration.read);
    progress.victoriesFound = countRead(victories, exploration.read);
    return progress;
}
