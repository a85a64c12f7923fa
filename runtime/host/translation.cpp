#include "runtime/host/translation.hpp"

#include "runtime/translatable.hpp"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

#include <string>

namespace runtime::host {
namespace {

const QString catalogues = QStringLiteral(":/i18n");

QStringList cataloguesOf(const Language& language) {
    return QDir(catalogues)
        .entryList({QStringLiteral("*_%1.qm").arg(language.code())}, QDir::Files, QDir::Name);
}

} // namespace

QStringList embeddedLanguages() {
    QStringList codes;
    for (const QString& file :
         QDir(catalogues).entryList({QStringLiteral("*_*.qm")}, QDir::Files)) {
        const QString code = file.section(QLatin1Char('_'), -1).section(QLatin1Char('.'), 0, 0);
        if (!codes.contains(code)) {
            codes.append(code);
        }
    }
    return codes;
}

Language chooseLanguage(const QStringList& uiLanguages, const QStringList& translated) {
    // The first language of the list that the program has, as gettext takes
    // LANGUAGE=fr:it: Italian when French has no catalogues.
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::Italian) {
            return Language::Italian;
        }
        const QString code = QLocale::languageToCode(language);
        if (language != QLocale::C && translated.contains(code)) {
            return Language(code);
        }
    }
    return Language::English;
}

Language userLanguage() {
    return chooseLanguage(QLocale::system().uiLanguages());
}

Translations::Translations(const Language& language) {
    const auto install = [this](const QString& file, const QString& directory) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(file, directory) ||
            !QCoreApplication::installTranslator(translator.get())) {
            return false;
        }
        installed_.push_back(std::move(translator));
        return true;
    };
    if (language != Language::Italian) {
        for (const QString& file : cataloguesOf(Language::English)) {
            install(file, catalogues);
        }
    }
    if (language == Language::English) {
        return;
    }
    // Installed last, so searched first: over the English catalogues. The
    // Italian ones hold only the plural forms of the Italian texts.
    for (const QString& file : cataloguesOf(language)) {
        install(file, catalogues);
    }
    // Qt's own texts from Qt's translations, or from the program's where Qt
    // has none for the language (Greek).
    const QString qtCatalogue = QStringLiteral("qtbase_") + language.code();
    if (!install(qtCatalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        install(qtCatalogue, catalogues + QStringLiteral("/qt"));
    }
}

Translations::~Translations() {
    for (const auto& translator : installed_) {
        QCoreApplication::removeTranslator(translator.get());
    }
}

QString translateCoreText(const char* context, std::string_view text) {
    const std::string source(text);
    return QCoreApplication::translate(context, source.c_str());
}

DirectTranslations::DirectTranslations(const Language& language) {
    if (language != Language::Italian) {
        // Looked up in this order: the language's own catalogues, then the
        // English ones, as Translations installs them.
        QStringList files = language == Language::English ? QStringList() : cataloguesOf(language);
        files += cataloguesOf(Language::English);
        for (const QString& file : files) {
            auto catalogue = std::make_unique<QTranslator>();
            if (catalogue->load(file, catalogues)) {
                catalogues_.push_back(std::move(catalogue));
            }
        }
    }
    active_ = this;
    runtime::setTextTranslator(&DirectTranslations::translate);
}

DirectTranslations::~DirectTranslations() {
    runtime::setTextTranslator(nullptr);
    active_ = nullptr;
}

std::string DirectTranslations::translate(const char* context, const char* source) {
    for (const auto& catalogue : active_->catalogues_) {
        if (const QString text = catalogue->translate(context, source); !text.isEmpty()) {
            return text.toStdString();
        }
    }
    return source;
}

QString translatedText(const char* context, const char* source) {
    return QString::fromStdString(runtime::translated(context, source));
}

} // namespace runtime::host
