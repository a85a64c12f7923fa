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

// The translators of one language, installed on the running application for
// as long as this object lives. Italian: Qt's own texts (the file dialog's
// and message boxes' buttons), from Qt's translations; the program's texts
// are Italian already but for the plural forms, from :/i18n/*_it.qm. English: the program's own
// catalogues, every
// :/i18n/*_en.qm that the libraries it links embed. Another language: its
// own catalogues over the English ones, so that a text it lacks is English,
// and Qt's own texts, from Qt's translations or, where Qt has none for the
// language, from :/i18n/qt/.
class Translations {
public:
    explicit Translations(const Language& language);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

private:
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

// A text of the Qt-free core, marked there with LAVORO1_TRANSLATABLE, in the
// user's language.
QString translateCoreText(const char* context, std::string_view text);

// The program's own catalogues of one language, read without an application
// object and looked up by runtime::translated (and translatedText) for as
// long as this object lives: what a program writes before its application
// exists (its command line, a display that cannot be opened) and everything
// archimede writes, which makes none. Italian loads nothing: the texts are
// Italian already; another language's catalogues are searched before the
// English ones. One at a time.
class DirectTranslations {
public:
    explicit DirectTranslations(const Language& language);
    DirectTranslations(const DirectTranslations&) = delete;
    DirectTranslations& operator=(const DirectTranslations&) = delete;
    ~DirectTranslations();

private:
    static std::string translate(const char* context, const char* source);

    static inline DirectTranslations* active_ = nullptr;
    std::vector<std::unique_ptr<QTranslator>> catalogues_;
};

// runtime::translated(context, source) as a QString: for Qt code that may
// run before the application exists. lupdate reads a call with literal
// arguments as QCoreApplication::translate(context, source).
QString translatedText(const char* context, const char* source);

} // namespace runtime::host
