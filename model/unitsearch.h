#ifndef UNITSEARCH_H
#define UNITSEARCH_H

#include <QtGlobal>

// Finds an ASCII character among the code units of a text, in UTF-8 or in UTF-16. In UTF-8
// no byte of another character is ASCII, so the byte found is that character.
class UnitSearch {
public:
    // The first `wanted` from `from` on, before `end`; `end` when there is none.
    static const uchar *find(const uchar *from, const uchar *end, char wanted);
    static const ushort *find(const ushort *from, const ushort *end, char wanted);

    // The next `wanted` from a position on, searched again only once passed: a text is
    // gone through forwards, and each search then costs once per occurrence.
    template <typename Unit>
    class Next {
    public:
        Next(const Unit *start, const Unit *end, char wanted)
            : end(end)
            , wanted(wanted)
            , found(UnitSearch::find(start, end, wanted))
        {
        }

        const Unit *from(const Unit *position)
        {
            if (found < position)
                found = UnitSearch::find(position, end, wanted);
            return found;
        }

    private:
        const Unit *end;
        char wanted;
        const Unit *found;
    };
};

#endif // UNITSEARCH_H
