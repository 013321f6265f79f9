#include "controlcharacters.h"

namespace {

bool isHidden(ushort unit)
{
    return unit < 0x20 && unit != '\t' && unit != '\n' && unit != '\r';
}

} // namespace

bool ControlCharacters::hide(QString *text)
{
    // Counted first over the plain array, which the compiler can do many characters at once:
    // most texts hold none.
    const ushort *const units = text->utf16();
    int hidden = 0;
    for (int index = 0; index < text->size(); ++index)
        hidden += isHidden(units[index]) ? 1 : 0;
    if (hidden == 0)
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
