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

Translations::Translations(const Language& language) : language_(language), previous_(active_) {
    // Looked up in this order: the language's own catalogues, then the
    // English ones; Italian has only its plural forms.
    QStringList files = cataloguesOf(language);
    if (language != Language::Italian && language != Language::English) {
        files += cataloguesOf(Language::English);
    }
    for (const QString& file : files) {
        auto catalogue = std::make_unique<QTranslator>();
        if (catalogue->load(file, catalogues)) {
            catalogues_.push_back(std::move(catalogue));
        }
    }
    active_ = this;
    runtime::setTextTranslator(&Translations::translate);
    if (QCoreApplication::instance() != nullptr) {
        installForQt();
    }
}

Translations::~Translations() {
    // The application made after these may be gone already, and its
    // translators with it.
    if (qt_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::removeTranslator(qt_.get());
    }
    active_ = previous_;
    runtime::setTextTranslator(active_ == nullptr ? nullptr : &Translations::translate);
}

void Translations::installForQt() {
    Translations* const active = active_;
    if (active == nullptr || active->qt_ || active->language_ == Language::English) {
        return;
    }
    auto qt = std::make_unique<QTranslator>();
    const QString qtCatalogue = QStringLiteral("qtbase_") + active->language_.code();
    if ((qt->load(qtCatalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
         qt->load(qtCatalogue, catalogues + QStringLiteral("/qt"))) &&
        QCoreApplication::installTranslator(qt.get())) {
        active->qt_ = std::move(qt);
    }
}

QString Translations::lookUp(const char* context, const char* source, int n) const {
    for (const auto& catalogue : catalogues_) {
        if (QString text = catalogue->translate(context, source, nullptr, n); !text.isEmpty()) {
            return text;
        }
    }
    return {};
}

std::string Translations::translate(const char* context, const char* source) {
    const QString text = active_->lookUp(context, source, -1);
    return text.isEmpty() ? std::string(source) : text.toStdString();
}

QString Translations::translatedPlural(const char* context, const char* source, int n) {
    QString text = active_ == nullptr ? QString() : active_->lookUp(context, source, n);
    if (text.isEmpty()) {
        text = QString::fromUtf8(source);
    }
    return text.replace(QStringLiteral("%n"), QString::number(n));
}

QString translatedText(const char* context, const char* source, const char* /*disambiguation*/,
                       int n) {
    if (n >= 0) {
        return Translations::translatedPlural(context, source, n);
    }
    return QString::fromStdString(runtime::translated(context, source));
}

} // namespace runtime::host
