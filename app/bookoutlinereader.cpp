#include "bookoutlinereader.h"

#include "bookparser.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <memory>
#include <utility>

BookOutlineReader::BookOutlineReader(QObject *parent)
    : QObject(parent)
{
}

BookOutlineReader::~BookOutlineReader()
{
    if (worker) {
        worker->wait();
        delete worker;
    }
}

std::optional<BookOutline> BookOutlineReader::outline(const QString &path)
{
    const auto found = kept.constFind(path);
    if (found != kept.cend() && found->stamp == stampOf(path))
        return found->outline;
    if (worker)
        next = path;
    else
        start(path);
    return std::nullopt;
}

BookOutline BookOutlineReader::read(const QString &path)
{
    QFile book(path);
    QMap<QString, Paragraph> paragraphs;
    if (!BookParser::openBook(&book) || !BookParser::readBook(&book, &paragraphs))
        return BookOutline();
    return BookOutline::of(paragraphs);
}

BookOutlineReader::Stamp BookOutlineReader::stampOf(const QString &path)
{
    const QFileInfo file(path);
    return Stamp { file.size(), file.lastModified() };
}

void BookOutlineReader::start(const QString &path)
{
    // Taken before the read: a book changed during it is read again at the next request.
    const Stamp stamp = stampOf(path);
    auto result = std::make_shared<BookOutline>();
    worker = QThread::create([path, result] { *result = read(path); });
    connect(worker, &QThread::finished, this, [this, path, stamp, result] { finish(path, stamp, *result); });
    worker->start(QThread::LowPriority);
}

void BookOutlineReader::finish(const QString &path, const Stamp &stamp, const BookOutline &outline)
{
    // The thread has told its end; it is gone a moment later.
    worker->wait();
    delete worker;
    worker = nullptr;
    if (kept.size() >= maximumKept)
        kept.clear();
    kept.insert(path, Kept { stamp, outline });
    const QString waiting = std::exchange(next, QString());
    if (!waiting.isEmpty() && waiting != path)
        start(waiting);
    Q_EMIT outlineRead(path);
}
