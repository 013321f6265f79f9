#include "utf8blocks.h"

#include <cstring>

namespace {

// The least and the most the byte after `lead` may be: beyond them lie overlong forms,
// surrogates and numbers past U+10FFFF.
void secondByteRange(uchar lead, uchar *least, uchar *most)
{
    *least = lead == 0xe0 ? 0xa0 : lead == 0xf0 ? 0x90 : 0x80;
    *most = lead == 0xed ? 0x9f : lead == 0xf4 ? 0x8f : 0xbf;
}

bool isContinuation(uchar byte)
{
    return (byte & 0xc0) == 0x80;
}

} // namespace

int Utf8Blocks::wholeCharacters(const QByteArray &bytes, bool last)
{
    const auto *const units = reinterpret_cast<const uchar *>(bytes.constData());
    const int size = bytes.size();
    int index = 0;
    while (index < size) {
        // Mostly ASCII: eight bytes at a time while none has its high bit.
        quint64 word = 0;
        while (index + 8 <= size && (std::memcpy(&word, units + index, 8), (word & 0x8080808080808080ULL) == 0))
            index += 8;
        while (index < size && units[index] < 0x80)
            ++index;
        if (index == size)
            break;
        const uchar lead = units[index];
        const int length = lead >= 0xf5 ? 0 : lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc2 ? 2 : 0;
        if (length == 0)
            return -1;
        if (index + length > size)
            return last ? -1 : index;
        uchar least = 0;
        uchar most = 0;
        secondByteRange(lead, &least, &most);
        if (units[index + 1] < least || units[index + 1] > most)
            return -1;
        for (int next = 2; next < length; ++next) {
            if (!isContinuation(units[index + next]))
                return -1;
        }
        // U+FEFF, U+FFFE and U+FFFF: decoders differ on them.
        if (lead == 0xef && ((units[index + 1] == 0xbb && units[index + 2] == 0xbf) ||
                             (units[index + 1] == 0xbf && units[index + 2] >= 0xbe)))
            return -1;
        index += length;
    }
    return index;
}
