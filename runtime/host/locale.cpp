#include "runtime/host/locale.hpp"

namespace runtime::host {

QLocale userLocale() {
    return QLocale::system();
}

std::string decimalSeparator(const QLocale& locale) {
    return locale.decimalPoint().toStdString();
}

std::string userDecimalSeparator() {
    return decimalSeparator(userLocale());
}

} // namespace runtime::host
