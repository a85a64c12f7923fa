#pragma once

// The language of the texts: Italian, the source language of every text, or
// English. On Qt Core alone, so that every program chooses the same way.

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace runtime::host {

enum class Language { Italian, English };

// Italian when the user's first preferred language is Italian, English for
// every other language and for C/POSIX. uiLanguages is what
// QLocale::system().uiLanguages() reports: LANGUAGE first, then LC_ALL,
// LC_MESSAGES and LANG.
Language chooseLanguage(const QStringList& uiLanguages);

// chooseLanguage(QLocale::system().uiLanguages()).
Language userLanguage();

// The translators of one language, installed on the running application for
// as long as this object lives. English: the program's own catalogues, every
// :/i18n/*_en.qm that the libraries it links embed. Italian: Qt's own texts
// (the file dialog's and message boxes' buttons), from Qt's translations;
// the program's texts are Italian already.
class Translations {
public:
    explicit Translations(Language language);
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
// Italian already. One at a time.
class DirectTranslations {
public:
    explicit DirectTranslations(Language language);
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
