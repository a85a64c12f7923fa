// archimede: bounds for pi by Archimedes' method from the command line.

#include "archimede/program.hpp"
#include "runtime/printable.hpp"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    // --cifre is run by archimede-cifre, pictures are drawn by
    // archimede-immagini, each started in this program's place with the same
    // arguments once they are known to be right, so that the other runs load
    // neither Arb and the libraries beneath it nor Qt Widgets, Charts or Svg.
    archimede::ProgramRuns runs;
    runs.runDigits = [argv](const archimede::Options&, std::ostream&, std::ostream& err,
                            const archimede::Environment&) {
        const std::string error = archimede::handOver("archimede-cifre", argv);
        // The message quotes the program's path: kept on one line.
        err << "archimede: " << runtime::printable(error) << '\n';
        return archimede::exitFailed;
    };
    runs.writePictures = [argv](const std::vector<archimede::PictureRequest>&) {
        return archimede::handOver("archimede-immagini", argv);
    };
    return archimede::runProgram(argc, argv, std::move(runs));
}
