// Prints the decimal separator of the user's locale as the window reads it
// from the environment; locale_tests runs it under different locale variables.

#include "runtime/host/locale.hpp"

#include <iostream>

int main() {
    std::cout << runtime::host::userDecimalSeparator() << '\n';
    return 0;
}
