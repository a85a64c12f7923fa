// Prints the decimal separator of the user's locale as the host reads it from
// the environment; host_tests runs it under different locale variables.

#include "runtime/host/platform.hpp"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::cout << runtime::host::decimalSeparator(runtime::host::userLocale()) << '\n';
    return 0;
}
