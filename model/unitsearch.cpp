#include "unitsearch.h"

#include <algorithm>
#include <cstring>

const uchar *UnitSearch::find(const uchar *from, const uchar *end, char wanted)
{
    // The C library's search looks at many bytes at once.
    const void *found = from < end ? std::memchr(from, wanted, size_t(end - from)) : nullptr;
    return found ? static_cast<const uchar *>(found) : end;
}

const ushort *UnitSearch::find(const ushort *from, const ushort *end, char wanted)
{
    return std::find(from, end, ushort(uchar(wanted)));
}
