// The language of the texts follows the user's first preferred language, as
// QLocale::system().uiLanguages() reports it: the first of the list that is
// Italian or has catalogues of its own, English when none does.

#include "runtime/errors.hpp"
#include "runtime/host/translation.hpp"
#include "runtime/translatable.hpp"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

using runtime::host::Language;

struct LanguageCase {
    const char* name;
    QStringList uiLanguages;
    Language expected;
    QStringList translated = {QStringLiteral("en")}; // the catalogues' languages
};

TEST(ChooseLanguage, FirstOfTheListThatTheProgramHas) {
    const LanguageCase cases[] = {
        {"LANG=it_IT", {"it-IT", "it"}, Language::Italian},
        {"LANG=it_CH", {"it-CH", "it"}, Language::Italian},
        {"LANG=en_US", {"en-US", "en"}, Language::English},
        {"LANG=de_DE", {"de-DE", "de"}, Language::English},
        {"LANG=C", {"C"}, Language::English},
        {"nothing set", {}, Language::English},
        {"LANGUAGE=it with LANG=de_DE", {"it", "de-DE", "de"}, Language::Italian},
        {"LANGUAGE=en with LANG=it_IT", {"en", "it-IT", "it"}, Language::English},
        {"LANGUAGE=fr:it with LANG=de_DE", {"fr", "it", "de-DE", "de"}, Language::Italian},
        {"LANGUAGE=fr:de with LANG=C", {"fr", "de", "C"}, Language::English},
        {"LANGUAGE=fr:de, German catalogues",
         {"fr", "de"},
         Language(QStringLiteral("de")),
         {"en", "de"}},
        {"LANGUAGE=de:fr, French catalogues",
         {"de", "fr"},
         Language(QStringLiteral("fr")),
         {"en", "fr"}},
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

// The catalogues that runtime::translated reads while they live, with no
// application: a text of the core, and a run-time error raised meanwhile, in
// English; Italian, the sources, with Italian ones and once they are gone.
TEST(Translations, PutTheCoreTextsInTheirLanguageWhileTheyLive) {
    {
        const runtime::host::Translations english(Language::English);
        EXPECT_EQ(runtime::translated("calc", "Risultati inattendibili!"), "Unreliable results!");
        EXPECT_EQ(runtime::translated("calc", "not in any catalogue"), "not in any catalogue");
        EXPECT_STREQ(runtime::RuntimeError(runtime::ErrorNumber::Overflow).what(),
                     "Run-time error '6': Overflow");
    }
    EXPECT_EQ(runtime::translated("calc", "Risultati inattendibili!"), "Risultati inattendibili!");
    const runtime::host::Translations italian(Language::Italian);
    EXPECT_STREQ(runtime::RuntimeError(runtime::ErrorNumber::DivisionByZero).what(),
                 "Errore di run-time '11': Divisione per zero");
}

// Each language's own texts over the program's, and Qt's own buttons from
// Qt's translations, or from the program's for Greek, which Qt's lack.
TEST(Translations, PutTheProgramsAndQtsTextsInTheLanguage) {
    int argc = 1;
    char name[] = "locale_tests";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    const struct {
        const char* code;
        const char* unreliable; // the core's warning
        const char* cancel;     // Qt's button
    } cases[] = {
        {"fr", "Résultats peu fiables\u202f!", "Annuler"},
        {"de", "Unzuverlässige Ergebnisse!", "Abbrechen"},
        {"es", "¡Resultados poco fiables!", "Cancelar"},
        {"el", "Αναξιόπιστα αποτελέσματα!", "Ακύρωση"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const runtime::host::Translations translations(Language(QString::fromLatin1(c.code)));
        EXPECT_EQ(runtime::host::translatedText("calc", "Risultati inattendibili!"),
                  QString::fromUtf8(c.unreliable));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QString::fromUtf8(c.cancel));
    }
}

// As a program makes them: first thing in main, then the application, on
// which they put Qt's own texts once installed; the application goes first.
TEST(Translations, MadeBeforeTheApplicationGiveItQtsTextsOnceInstalled) {
    const runtime::host::Translations german(Language(QStringLiteral("de")));
    int argc = 1;
    char name[] = "locale_tests";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    runtime::host::Translations::installForQt();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    EXPECT_EQ(runtime::host::translatedText("calc", "Risultati inattendibili!"),
              QString::fromUtf8("Unzuverlässige Ergebnisse!"));
}

} // namespace
