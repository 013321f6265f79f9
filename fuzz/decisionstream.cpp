#include "decisionstream.h"

DecisionStream::DecisionStream(const QByteArray &bytes)
    : bytes(bytes)
{
}

quint8 DecisionStream::next()
{
    return exhausted() ? 0 : quint8(bytes.at(position++));
}

bool DecisionStream::exhausted() const
{
    return position >= bytes.size();
}
