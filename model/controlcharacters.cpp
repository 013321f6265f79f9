#include "controlcharacters.h"

namespace {

bool isHidden(ushort unit)
{
    return unit < 0x20 && unit != '\t' && unit != '\n' && unit != '\r';
}

// Looked for over the plain array without a branch, which the compiler turns into a search of
// many characters at once: most texts hold none. In UTF-8, the bytes of other characters
// are never below 0x20.
template <typename Unit>
bool holdsHidden(const Unit *units, qsizetype size)
{
    Unit found = 0;
    for (qsizetype index = 0; index < size; ++index) {
        const Unit unit = units[index];
        found |= Unit((unit < 0x20) & (unit != '\t') & (unit != '\n') & (unit != '\r'));
    }
    return found != 0;
}

} // namespace

bool ControlCharacters::hide(QByteArray *utf8)
{
    if (!holdsHidden(reinterpret_cast<const uchar *>(utf8->constData()), utf8->size()))
        return false;
    QString text = QString::fromUtf8(*utf8);
    hide(&text);
    *utf8 = text.toUtf8();
    return true;
}

bool ControlCharacters::hide(QString *text)
{
    if (!holdsHidden(text->utf16(), text->size()))
        return false;
    for (QChar &character : *text) {
        if (isHidden(character.unicode()))
            character = QChar(ushort(firstStandIn + character.unicode()));
    }
    return true;
}

QString ControlCharacters::restore(const QString &text)
{
    for (int index = 0; index < text.size(); ++index) {
        const ushort unit = text.at(index).unicode();
        if (unit >= firstStandIn && unit < firstStandIn + 0x20 && isHidden(ushort(unit - firstStandIn))) {
            QString restored = text;
            for (QChar &character : restored) {
                const ushort standIn = character.unicode();
                if (standIn >= firstStandIn && standIn < firstStandIn + 0x20 &&
                    isHidden(ushort(standIn - firstStandIn)))
                    character = QChar(ushort(standIn - firstStandIn));
            }
            return restored;
        }
    }
    return text;
}
