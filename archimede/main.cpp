// archimede: bounds for pi by Archimedes' method from the command line.

#include "archimede/program.hpp"
#include "runtime/helper_program.hpp"

int main(int argc, char** argv) {
    // Pictures are drawn by archimede-immagini, started in this program's
    // place with the same arguments once they are known to be right, so that
    // the other runs load neither Qt Widgets nor Charts nor Svg.
    return archimede::runProgram(argc, argv, [argv](const std::vector<archimede::PictureRequest>&) {
        return runtime::runHelperProgram("archimede-immagini", argv);
    });
}
