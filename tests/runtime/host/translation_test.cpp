// The language of the texts follows the user's first preferred language, as
// QLocale::system().uiLanguages() reports it: Italian for Italian, a language
// with catalogues of its own for itself, English for everything else.

#include "runtime/host/translation.hpp"

#include <gtest/gtest.h>

namespace {

using runtime::host::Language;

struct LanguageCase {
    const char* name;
    QStringList uiLanguages;
    Language expected;
    QStringList translated = {QStringLiteral("en")}; // the catalogues' languages
};

TEST(ChooseLanguage, ItalianOnlyWhenItalianComesFirst) {
    const LanguageCase cases[] = {
        {"LANG=it_IT", {"it-IT", "it"}, Language::Italian},
        {"LANG=it_CH", {"it-CH", "it"}, Language::Italian},
        {"LANG=en_US", {"en-US", "en"}, Language::English},
        {"LANG=de_DE", {"de-DE", "de"}, Language::English},
        {"LANG=C", {"C"}, Language::English},
        {"nothing set", {}, Language::English},
        {"LANGUAGE=it with LANG=de_DE", {"it", "de-DE", "de"}, Language::Italian},
        {"LANGUAGE=en with LANG=it_IT", {"en", "it-IT", "it"}, Language::English},
        {"LANGUAGE=fr:it with LANG=it_IT", {"fr", "it", "it-IT"}, Language::English},
        {"LANG=fr_FR, French catalogues",
         {"fr-FR", "fr"},
         Language(QStringLiteral("fr")),
         {"en", "fr"}},
        {"LANG=de_DE, French catalogues", {"de-DE", "de"}, Language::English, {"en", "fr"}},
        {"LANG=it_IT, Italian catalogues too", {"it-IT", "it"}, Language::Italian, {"en", "it"}},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(runtime::host::chooseLanguage(c.uiLanguages, c.translated).code(),
                  c.expected.code());
    }
}

} // namespace
