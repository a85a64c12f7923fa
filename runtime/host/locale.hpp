#pragma once

// The user's number format, read from the environment through Qt's locale
// data: the window and the command line take their decimal separator from
// here, so they agree in every locale. Needs Qt Core only, and neither an
// application object nor the C library's generated locales.

#include <QLocale>

#include <string>

namespace runtime::host {

// The user's locale as Qt reads it from LC_ALL, LC_NUMERIC and LANG, in that
// order of precedence.
QLocale userLocale();

// The decimal separator numbers are written with under locale, in UTF-8.
std::string decimalSeparator(const QLocale& locale);

// decimalSeparator(userLocale()).
std::string userDecimalSeparator();

} // namespace runtime::host
