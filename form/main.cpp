#include "calc/module1.hpp"
#include "form/project.hpp"
#include "runtime/host/application.hpp"

int main(int argc, char** argv) {
    calc::Module1 module; // the module-wide state, kept for the whole run
    return runtime::host::runApplication(form::projectDescription(module), argc, argv);
}
