#ifndef FRENCHQTTEXTS_H
#define FRENCHQTTEXTS_H

#include <QTranslator>

// The few texts of Qt that the checker prints, those of its command line's help and errors,
// in French. Qt's own catalogues are a large package apart; a text that a later Qt words
// differently stays in Qt's English.
class FrenchQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override;
    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
};

#endif // FRENCHQTTEXTS_H
