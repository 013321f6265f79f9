#ifndef SATURATEDSUM_H
#define SATURATEDSUM_H

#include <QtGlobal>

#include <limits>

// Adds ints from a book, the dice and the sheet without overflowing: the sum is taken in
// 64 bits (exact for up to 2^32 terms) and pinned to the int range. Any number a book can
// hold, such as a bonus of 2147483647, therefore stays defined arithmetic.
template <typename... Ints> int saturatedSum(Ints... values)
{
    static_assert(sizeof...(values) < 1000, "too many terms for an exact 64-bit sum");
    const qint64 sum = (qint64(0) + ... + qint64(values));
    if (sum > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (sum < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(sum);
}

#endif // SATURATEDSUM_H
