#include "frenchqttexts.h"

#include <cstring>

namespace {

const struct {
    const char *english;
    const char *french;
} commandLineTexts[] = {
    { "Usage: %1", "Utilisation : %1" },
    { "Options:", "Options :" },
    { "Arguments:", "Arguments :" },
    { "Displays help on commandline options.", "Affiche cette aide." },
    { "Displays help including Qt specific options.", "Affiche cette aide avec les options propres à Qt." },
    { "Displays version information.", "Affiche la version." },
    { "Unknown option '%1'.", "Option inconnue : « %1 »." },
    { "Unknown options: %1.", "Options inconnues : %1." },
    { "Missing value after '%1'.", "Il manque une valeur après « %1 »." },
    { "Unexpected value after '%1'.", "Valeur inattendue après « %1 »." },
};

} // namespace

bool FrenchQtTexts::isEmpty() const
{
    return false;
}

QString FrenchQtTexts::translate(const char *context, const char *sourceText, const char *, int) const
{
    if (!context || !sourceText || std::strcmp(context, "QCommandLineParser") != 0)
        return QString();
    for (const auto &text : commandLineTexts) {
        if (std::strcmp(sourceText, text.english) == 0)
            return QString::fromUtf8(text.french);
    }
    return QString();
}
