// The language of the texts follows the user's first preferred language, as
// QLocale::system().uiLanguages() reports it: Italian for Italian, English for
// everything else.

#include "runtime/host/translation.hpp"

#include <gtest/gtest.h>

namespace {

using runtime::host::Language;

struct LanguageCase {
    const char* name;
    QStringList uiLanguages;
    Language expected;
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
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(runtime::host::chooseLanguage(c.uiLanguages), c.expected);
    }
}

} // namespace
