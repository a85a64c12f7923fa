#pragma once

// The language of the texts: Italian, the source language of every text,
// English, or any other whose catalogues the program embeds. On Qt Core
// alone, so that every program chooses the same way.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
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

// The user's first preferred language when it is Italian or one of
// translated; English for every other language and for C/POSIX. uiLanguages
// is what QLocale::system().uiLanguages() reports: LANGUAGE first, then
// LC_ALL, LC_MESSAGES and LANG.
Language chooseLanguage(const QStringList& uiLanguages,
                        const QStringList& translated = embeddedLanguages());

// chooseLanguage(QLocale::system().uiLanguages()).
Language userLanguage();

// The translators of one language, installed on the running application for
// as long as this object lives. Italian: Qt's own texts (the file dialog's
// and message boxes' buttons), from Qt's translations; the program's texts
// are Italian already. English: the program's own catalogues, every
// :/i18n/*_en.qm that the libraries it links embed. Another language: its
// own catalogues over the English ones, so that a text it lacks is English,
// and Qt's own texts.
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

} // namespace runtime::host
