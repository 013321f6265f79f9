#include "bookgenerator.h"

#include <QByteArray>
#include <QFile>

namespace {

QByteArray idBytes(int number)
{
    return paragraphId(number).toLatin1();
}

// Prose of about `bytes` bytes, with a "§" after its first sentence as books use it.
QByteArray proseOf(int bytes)
{
    static const QByteArray sentence("Le vent glacé siffle entre les pierres de la tour où brûle une lanterne. ");
    QByteArray prose = sentence + QByteArray("§ ");
    prose.reserve(bytes + sentence.size());
    while (prose.size() < bytes)
        prose += sentence;
    return prose;
}

QByteArray choice(int target)
{
    return "<Choice Value=\"" + idBytes(target) + "\">Aller au " + idBytes(target) + "</Choice>";
}

QByteArray objects()
{
    return "<Objects><Object><Text>Potion de vigueur</Text><Type>0</Type>"
           "<Bonus Habilete=\"0\" Endurance=\"2\" Chance=\"0\"/><Gold Value=\"3\"/><Food Value=\"1\"/>"
           "<Other>Une fiole tiède.</Other></Object></Objects>";
}

// Paragraph `number` of an ordinary kind, chosen by its last digit; its ways lead to
// `next` and `other`.
QByteArray body(int number, int next, int other)
{
    const QByteArray choices = "<Choices>" + choice(next) + choice(other) + "</Choices>";
    switch (number % 10) {
    case 0:
        return "<Type>O,C</Type>" + objects() + choices;
    case 3:
        return "<Type>A,F</Type><Monster Type=\"1\"><Enemy Name=\"Loup noir\" Habilete=\"7\" Endurance=\"6\" Value=\"" +
            idBytes(next) + "\"/></Monster><Flee active=\"1\" Penality=\"1\" Round=\"1\" Ref=\"" + idBytes(other) +
            "\"/>";
    case 5:
        return "<Type>L</Type><Luck active=\"1\"><Lucky Value=\"" + idBytes(next) +
            "\">Vous passez.</Lucky><Unlucky Value=\"" + idBytes(other) + "\">Vous tombez.</Unlucky></Luck>";
    case 7:
        return "<Type>B,E,C</Type><Bonus active=\"1\" Habilete=\"0\" Endurance=\"1\" Chance=\"0\"/>" + choices;
    default:
        return "<Type>C</Type>" + choices;
    }
}

} // namespace

QString paragraphId(int number)
{
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

bool writeFilledFile(const QString &path, const QByteArray &head, const QByteArray &unit, qint64 fillerBytes,
                     const QByteArray &tail)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(head) != head.size())
        return false;
    QByteArray block;
    while (block.size() < (8 << 20))
        block += unit;
    for (qint64 left = fillerBytes; left > 0; left -= block.size()) {
        if (file.write(block.constData(), qMin<qint64>(left, block.size())) < 0)
            return false;
    }
    return file.write(tail) == tail.size();
}

qint64 writeBook(const QString &path, const BookShape &shape)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return -1;
    const int last = shape.paragraphCount - 1;
    const QByteArray prose = proseOf(shape.textBytes);
    QByteArray buffer = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Livre Title=\"Livre de mesure\">\n";
    for (int number = 0; number <= last; ++number) {
        QByteArray paragraph = "<Attr id=\"" + idBytes(number) + "\"><Text>";
        if (number == 0) {
            paragraph += proseOf(shape.firstTextBytes) + "</Text><Type>O,C</Type>" + objects() + "<Choices>";
            for (int way = 0; way < shape.firstChoiceCount; ++way)
                paragraph += choice(1 + way % qMax(last, 1));
            paragraph += "</Choices>";
        } else if (number == last) {
            paragraph += prose + "</Text><Type>X</Type>";
        } else {
            paragraph += prose + "</Text>" + body(number, number + 1, (number * 7 + 3) % shape.paragraphCount);
        }
        buffer += paragraph + "</Attr>\n";
        if (buffer.size() > (1 << 20)) {
            file.write(buffer);
            buffer.clear();
        }
    }
    buffer += "</Livre>\n";
    file.write(buffer);
    return file.error() == QFileDevice::NoError ? file.size() : -1;
}
