#ifndef DECISIONSTREAM_H
#define DECISIONSTREAM_H

#include <QByteArray>

// The choices of a fuzz input, one byte each, taken in order; 0 once they run out.
class DecisionStream {
public:
    explicit DecisionStream(const QByteArray &bytes);

    quint8 next();
    bool exhausted() const;

private:
    QByteArray bytes;
    int position = 0;
};

#endif // DECISIONSTREAM_H
