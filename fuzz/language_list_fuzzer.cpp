// The language of the texts from an arbitrary list of the user's languages:
// the input split at each ':' as LANGUAGE is. Whatever the names, the choice
// is Italian, English or one of the catalogues' languages, and it is the
// choice of the first name alone that the program has: names after it never
// change it, and Italian put first always wins.

#include "runtime/host/translation.hpp"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "language_list: %s\n", what);
        std::abort();
    }
}

const QStringList translated = {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de"),
                                QStringLiteral("es"), QStringLiteral("el")};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList names = text.split(QLatin1Char(':'));
    using runtime::host::Language;
    const Language chosen = runtime::host::chooseLanguage(names, translated);
    check(chosen == Language::Italian || translated.contains(chosen.code()),
          "a language without catalogues");

    // The first name whose own choice is not the default decides.
    Language expected = Language::English;
    for (const QString& name : names) {
        const Language alone = runtime::host::chooseLanguage({name}, translated);
        if (alone != Language::English || QLocale(name).language() == QLocale::English) {
            expected = alone;
            break;
        }
    }
    check(chosen == expected, "not the first name that the program has");

    QStringList italianFirst = names;
    italianFirst.prepend(QStringLiteral("it"));
    check(runtime::host::chooseLanguage(italianFirst, translated) == Language::Italian,
          "Italian first did not win");
    return 0;
}
