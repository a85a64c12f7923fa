#include "runtime/host/translation.hpp"

#include "runtime/translatable.hpp"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

#include <string>

namespace runtime::host {

Language chooseLanguage(const QStringList& uiLanguages) {
    if (uiLanguages.isEmpty()) {
        return Language::English;
    }
    return QLocale(uiLanguages.front()).language() == QLocale::Italian ? Language::Italian
                                                                       : Language::English;
}

Language userLanguage() {
    return chooseLanguage(QLocale::system().uiLanguages());
}

Translations::Translations(Language language) {
    const auto install = [this](const QString& file, const QString& directory) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file, directory) &&
            QCoreApplication::installTranslator(translator.get())) {
            installed_.push_back(std::move(translator));
        }
    };
    if (language == Language::Italian) {
        install(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return;
    }
    const QString catalogues = QStringLiteral(":/i18n");
    for (const QString& file :
         QDir(catalogues).entryList({QStringLiteral("*_en.qm")}, QDir::Files, QDir::Name)) {
        install(file, catalogues);
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

DirectTranslations::DirectTranslations(Language language) {
    if (language == Language::English) {
        const QString folder = QStringLiteral(":/i18n");
        for (const QString& file :
             QDir(folder).entryList({QStringLiteral("*_en.qm")}, QDir::Files, QDir::Name)) {
            auto catalogue = std::make_unique<QTranslator>();
            if (catalogue->load(file, folder)) {
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
