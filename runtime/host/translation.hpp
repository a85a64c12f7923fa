#pragma once

// The language of the texts: Italian, the source language of every text,
// English, or any other whose catalogues the program embeds. On Qt Core
// alone, so that every program chooses the same way.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace runtime::host {

// A language by its ISO 639 code, as the catalogues' names end: form_en.qm.
class Language {
public:
    static const Language Italian;
    static const Language English;

    explicit Language(QString code) : code_(std::move(code)) {}
    const QString& code() const { return code_; }
    bool operator==(const Language&) const = default;

private:
    QString code_;
};

inline const Language Language::Italian{QStringLiteral("it")};
inline const Language Language::English{QStringLiteral("en")};

// The languages the program's embedded catalogues translate into: the
// codes of every :/i18n/<name>_<code>.qm.
QStringList embeddedLanguages();

// The first of the user's preferred languages that is Italian or one of
// translated; English when there is none. uiLanguages
// is what QLocale::system().uiLanguages() reports: LANGUAGE first, then
// LC_ALL, LC_MESSAGES and LANG.
Language chooseLanguage(const QStringList& uiLanguages,
                        const QStringList& translated = embeddedLanguages());

// chooseLanguage(QLocale::system().uiLanguages()).
Language userLanguage();

// The catalogues of one language, loaded once for the whole program and in
// force for as long as this object lives, the only ones it loads. Italian:
// the program's texts are Italian already but for the plural forms, from
// :/i18n/*_it.qm. English: the program's own catalogues, every
// :/i18n/*_en.qm that the libraries it links embed. Another language: its
// own catalogues over the English ones, so that a text it lacks is English.
// runtime::translated, and translatedText on the Qt side, look texts up in
// them from the moment they are made, with or without an application: the
// command line, a display that cannot be opened and everything archimede
// writes are in the user's language too. A program makes one, first thing
// in main; Qt's own texts (the file dialog's and the message boxes' buttons)
// follow once installForQt has been called on its application.
class Translations {
public:
    explicit Translations(const Language& language);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

    // Qt's own texts in the language of the translations in force, on the
    // running application (none in force, or English: nothing to do): from
    // Qt's translations or, where Qt has none for the language (Greek), from
    // :/i18n/qt/. Done when the translations are made while an application
    // runs; runApplication does it for the application it makes.
    static void installForQt();

    // source, a text of context, in plural form n, %n replaced by n.
    static QString translatedPlural(const char* context, const char* source, int n);

private:
    static std::string translate(const char* context, const char* source);
    QString lookUp(const char* context, const char* source, int n) const;

    Language language_;
    Translations* previous_;
    std::vector<std::unique_ptr<QTranslator>> catalogues_; // searched in order
    std::unique_ptr<QTranslator> qt_;                      // installed on the application
    static inline Translations* active_ = nullptr;
};

// The one way the Qt side puts a text in the user's language: source, a text
// of context, through runtime::translated; with n, in plural form n, %n
// replaced by n. lupdate reads a call with literal arguments as
// QCoreApplication::translate(context, source, disambiguation, n); it
// takes a text of the Qt-free core marked with LAVORO1_TRANSLATABLE too.
// Disambiguations are not used.
QString translatedText(const char* context, const char* source,
                       const char* disambiguation = nullptr, int n = -1);

} // namespace runtime::host
