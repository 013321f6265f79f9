#include "stat.h"

#include "saturatedsum.h"

#include <algorithm>

Stat::Stat(int value)
    : m_initial(value)
    , m_current(value)
{
}

Stat::Stat(int initial, int current)
    : m_initial(initial)
    , m_current(std::min(current, initial))
{
}

int Stat::initial() const
{
    return m_initial;
}

int Stat::current() const
{
    return m_current;
}

void addCapped(Stat *stat, int delta)
{
    stat->m_current = std::min(saturatedSum(stat->m_current, delta), stat->m_initial);
}
