#include "archimede/program.hpp"

#include "runtime/helper_program.hpp"
#include "runtime/host/locale.hpp"
#include "runtime/host/translation.hpp"
#include "runtime/translatable.hpp"

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <fstream>
#include <iostream>
#include <limits>
#include <malloc.h>
#include <new>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace archimede {
namespace {

volatile std::sig_atomic_t interruptRequested = 0;
PictureAbandoner pictureAbandoner = nullptr;
// The handlers' lines, in the user's language: made before the handlers are
// installed, since a handler may not translate, nor allocate once memory has
// run out.
std::string interruptedMessage;
std::string outOfMemoryMessage;

void writeLine(const std::string& line) noexcept {
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line.data(), line.size());
}

extern "C" void requestInterrupt(int signalNumber) {
    // A picture can take seconds (a 10000x10000 PNG about 15) in code that
    // looks at no flag: the program ends here, its temporary file removed,
    // every file as it was or complete, with 128 + the signal's number.
    if (pictureAbandoner != nullptr && pictureAbandoner()) {
        writeLine(interruptedMessage);
        _exit(128 + signalNumber);
    }
    // A --cifre run stops at its next step, its rows whole and flushed, with
    // 128 + this number; the other runs take milliseconds and end as ever.
    interruptRequested = signalNumber;
}

// The signals that stop a run: SIGINT, SIGTERM, SIGHUP.
sigset_t stopSignals() {
    sigset_t stopping;
    sigemptyset(&stopping);
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&stopping, signalNumber);
    }
    return stopping;
}

// Memory can run out where no exception may pass: in a destructor, or in
// Qt's code called back from ours. There as anywhere, the run ends with its
// line and status 1, the picture's temporary file removed.
[[noreturn]] void endOnTerminate() noexcept {
    try {
        if (const std::exception_ptr current = std::current_exception()) {
            std::rethrow_exception(current);
        }
    } catch (const std::bad_alloc&) {
        if (pictureAbandoner != nullptr) {
            pictureAbandoner();
        }
        writeLine(outOfMemoryMessage);
        _exit(exitFailed);
    } catch (...) {
    }
    std::abort();
}

// Qt is not written to survive an exception: a chart half built when memory
// ran out can crash as it is destroyed. Where pictures are drawn, the run
// ends as soon as an allocation fails, before anything unwinds.
void endOutOfMemory() {
    if (pictureAbandoner != nullptr) {
        pictureAbandoner();
    }
    writeLine(outOfMemoryMessage);
    _exit(exitFailed);
}

// The room left under the limits of address space and of data (ulimit -v,
// ulimit -d) beside what the process maps already, and the machine's memory
// and swap.
std::uint64_t memoryAvailable() {
    std::uint64_t available = std::numeric_limits<std::uint64_t>::max();
    // Pages: the whole address space, then resident, shared, text, 0, and
    // data with the stack.
    std::uint64_t mapped = 0, resident = 0, shared = 0, text = 0, unused = 0, data = 0;
    std::ifstream("/proc/self/statm") >> mapped >> resident >> shared >> text >> unused >> data;
    const auto page = static_cast<std::uint64_t>(std::max(sysconf(_SC_PAGESIZE), 1L));
    const auto roomUnder = [&](int resource, std::uint64_t used) {
        rlimit limit{};
        if (getrlimit(resource, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
            const std::uint64_t cap = limit.rlim_cur;
            available = std::min(available, cap > used ? cap - used : 0);
        }
    };
    roomUnder(RLIMIT_AS, mapped * page);
    roomUnder(RLIMIT_DATA, data * page);
    struct sysinfo machine {};
    if (sysinfo(&machine) == 0) {
        available = std::min<std::uint64_t>(
            available, (std::uint64_t{machine.totalram} + machine.totalswap) * machine.mem_unit);
    }
    return available;
}

} // namespace

int runProgram(int argc, char** argv, ProgramRuns runs) {
    // Before anything is written, and before a --cifre run starts threads.
    const runtime::host::Translations translations(runtime::host::userLanguage());
    try {
        interruptedMessage = interruptedLine() + '\n';
        outOfMemoryMessage =
            runtime::translated("archimede", "archimede: memoria esaurita") + std::string("\n");
        std::set_terminate(endOnTerminate);
        if (runs.abandonPictures != nullptr) {
            std::set_new_handler(endOutOfMemory);
        }
        // Ctrl+C, SIGTERM (timeout, a service manager) and SIGHUP (a closed
        // terminal) alike: a --cifre run looks at the flag after every step,
        // a fraction of a millisecond even at 10000 digits, and ends with
        // 128 + the signal's number; so do pictures, from the handler. The
        // other runs take milliseconds; should one be stuck writing to a
        // pipe, a second signal ends it by the default action. A write the
        // signal meets goes on (SA_RESTART) rather than failing half done.
        pictureAbandoner = runs.abandonPictures;
        struct sigaction action {};
        action.sa_handler = requestInterrupt;
        action.sa_flags = SA_RESETHAND | SA_RESTART;
        sigemptyset(&action.sa_mask);
        for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
            sigaction(signalNumber, &action, nullptr);
        }
        if (runs.handedOver) {
            // What came while archimede handed the run over arrives now.
            const sigset_t stopping = stopSignals();
            sigprocmask(SIG_UNBLOCK, &stopping, nullptr);
        }

        Environment environment;
        // Read as the window reads it, so that both write the same numbers.
        environment.decimalSeparator = runtime::host::userDecimalSeparator();
        environment.progressOnTerminal = isatty(STDERR_FILENO) == 1;
        environment.resultsOnTerminal = isatty(STDOUT_FILENO) == 1;
        environment.interrupted = &interruptRequested;
        environment.writePictures = std::move(runs.writePictures);
        environment.runDigits = std::move(runs.runDigits);
        // Blocks from 128 KiB on are mapped and unmapped on their own, always:
        // by default the threshold rises to the largest block freed, and the
        // ever larger temporaries of a --cifre --tabella run (10^d, the
        // table's divisor) were then left in the heap, between its columns,
        // in holes that none of the next fits (at 300,000 digits 170 MB
        // instead of 148 for 4% more time, spent mapping).
        mallopt(M_MMAP_THRESHOLD, 128 * 1024);
        environment.memoryAvailable = memoryAvailable();
        environment.endOnAllocationFailure = std::move(runs.endOnAllocationFailure);

        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        const int status = run(arguments, std::cout, std::cerr, environment);
        std::cout.flush();
        if (!std::cout) {
            // A full disk or a closed pipe: the results are not all there.
            std::cerr << runtime::translated(
                             "archimede",
                             "archimede: impossibile scrivere i risultati sull'uscita standard")
                      << '\n';
            return exitFailed;
        }
        return status;
    } catch (const std::bad_alloc&) {
        if (pictureAbandoner != nullptr) {
            pictureAbandoner();
        }
        std::cerr << outOfMemoryMessage;
        return exitFailed;
    } catch (const std::exception& error) {
        std::cerr << runtime::filled(
                         runtime::translated("archimede", "archimede: errore interno: %1"),
                         {error.what()})
                  << '\n';
        return exitFailed;
    }
}

std::string handOver(std::string_view name, char** argv) {
    const sigset_t stopping = stopSignals();
    sigset_t before;
    sigprocmask(SIG_BLOCK, &stopping, &before);
    // One already taken by requestInterrupt is raised again: pending, it
    // stays with the process through exec.
    if (interruptRequested != 0) {
        raise(interruptRequested);
    }
    std::string error = runtime::runHelperProgram(name, argv);
    // Not started: what came meanwhile stops this run, as the handler would
    // have (whose first signal put the default action back).
    const timespec now{};
    for (int signalNumber = 0; (signalNumber = sigtimedwait(&stopping, nullptr, &now)) > 0;) {
        if (interruptRequested == 0) {
            interruptRequested = signalNumber;
        }
    }
    sigprocmask(SIG_SETMASK, &before, nullptr);
    return error;
}

} // namespace archimede
