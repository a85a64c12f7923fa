#pragma once

// The user-visible texts of the Qt-free code: Italian in the sources, the
// source language, and put in the user's language where they are made.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// Marks a user-visible text of the Qt-free core for translation where it is
// defined: the text stays the Italian source, and lupdate (told that this is
// QT_TRANSLATE_NOOP) collects it under context. It is put in the user's
// language where it is used, with runtime::translated or, in the Qt faces,
// runtime::host::translatedText(context, text).
#define LAVORO1_TRANSLATABLE(context, text) text

namespace runtime {

// Looks source up in the catalogues of the user's language; returns source
// itself, in UTF-8, when they have no translation of it.
using TextTranslator = std::string (*)(const char* context, const char* source);

// Installs the translator that translated() asks from now on; nullptr, the
// default, leaves every text in Italian. A program sets it once, before it
// writes anything and before it starts a thread: on the desktop,
// runtime::host::Translations; in the page, the page's catalogues.
void setTextTranslator(TextTranslator translator) noexcept;

// source, a text of context, in the user's language: the one way the core
// translates. lupdate reads a call with literal arguments as
// QCoreApplication::translate(context, source).
std::string translated(const char* context, const char* source);

// pattern with each %1 to %9 replaced by the argument of that number (%1 the
// first); a % followed by anything else, or by a number with no argument,
// stays as it is. How the texts with numbers and names in them are written,
// so that a translation may put them in another order.
std::string filled(std::string_view pattern, std::initializer_list<std::string_view> arguments);
std::string filled(std::string_view pattern, std::span<const std::string_view> arguments);

} // namespace runtime
