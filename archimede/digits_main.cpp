// archimede-cifre: archimede with --cifre, the bounds proven in Arb's ball
// arithmetic.

#include "archimede/digits.hpp"
#include "archimede/program.hpp"
#include "certified/out_of_memory.hpp"

#include <string>
#include <utility>

int main(int argc, char** argv) {
    archimede::ProgramRuns runs;
    runs.runDigits = archimede::runDigits;
    runs.endOnAllocationFailure = [](std::string line) {
        certified::endProcessWhenMemoryRunsOut(std::move(line), archimede::exitFailed);
    };
    runs.handedOver = true;
    return archimede::runProgram(argc, argv, std::move(runs));
}
