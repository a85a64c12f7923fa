#include "calc/module1.hpp"
#include "form/project.hpp"
#include "runtime/host/application.hpp"

int main() {
    calc::Module1 module; // the module-wide state, kept for the whole run
    return runtime::host::runApplication(form::projectDescription(module));
}
