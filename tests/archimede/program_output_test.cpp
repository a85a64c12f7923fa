// The built archimede with its catalogues, writing to pipes: its tables in
// the user's language, and stopped by a signal in the middle of a table.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Outcome {
    bool exited = false;
    int status = -1;
    std::string out;
    std::string err;
};

std::string readAll(int descriptor, std::string text = {}) {
    char buffer[4096];
    for (ssize_t read = 0; (read = ::read(descriptor, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(read));
    }
    close(descriptor);
    return text;
}

// archimede with arguments in language; with signalNumber, sent that signal
// once its first block of standard output has come through the pipe; with
// heldSignal, started with that signal blocked and pending.
Outcome runArchimede(const std::vector<std::string>& arguments, const char* language,
                     std::optional<int> signalNumber = {}, int heldSignal = 0) {
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0) {
        ADD_FAILURE() << "pipe";
        return {};
    }
    static char program[] = LAVORO1_ARCHIMEDE;
    std::vector<char*> argv{program};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        for (const int end : {out[0], out[1], err[0], err[1]}) {
            close(end);
        }
        setenv("LANGUAGE", language, 1);
        if (heldSignal != 0) {
            sigset_t held;
            sigemptyset(&held);
            sigaddset(&held, heldSignal);
            sigprocmask(SIG_BLOCK, &held, nullptr);
            raise(heldSignal);
        }
        execv(program, argv.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    Outcome outcome;
    if (signalNumber) {
        char buffer[4096];
        const ssize_t first = ::read(out[0], buffer, sizeof buffer);
        EXPECT_GT(first, 0) << "no output before the signal";
        outcome.out.assign(buffer, static_cast<std::size_t>(std::max<ssize_t>(first, 0)));
        kill(child, *signalNumber);
    }
    outcome.out = readAll(out[0], outcome.out);
    outcome.err = readAll(err[0]);
    int status = 0;
    waitpid(child, &status, 0);
    outcome.exited = WIFEXITED(status);
    outcome.status = outcome.exited ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return outcome;
}

// The columns a line takes on a terminal: its characters, not its bytes.
std::size_t columnsOf(std::string_view line) {
    return static_cast<std::size_t>(std::count_if(line.begin(), line.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
    }));
}

// Right-aligned columns under headings of two-byte letters: every line of the
// table, headings included, ends in the same column.
TEST(ArchimedeTables, LineUpInGreekAndFrench) {
    const struct {
        const char* language;
        std::vector<std::string> arguments;
        const char* firstHeading;
    } rows[] = {
        {"el", {"--cifre", "30", "--tabella"}, "Βήμα"},
        {"fr", {"--cifre", "30", "--tabella"}, "Étape"},
        {"el", {"12", "--tabella"}, "Βήμα"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.language) + " " + row.arguments[1]);
        const Outcome run = runArchimede(row.arguments, row.language);
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_TRUE(run.out.starts_with(row.firstHeading)) << run.out;
        std::istringstream lines(run.out);
        std::string heading;
        std::getline(lines, heading);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_EQ(columnsOf(line), columnsOf(heading)) << heading << "\n" << line;
        }
    }
}

TEST(ArchimedeSignals, EndATableAfterItsLastWholeRow) {
    const std::regex csvRow("passo,cifre,guadagno|[0-9]+,[0-9]+,-?[0-9]+");
    const std::regex jsonRow(R"(\[|\{"passo":[0-9]+,"cifre":[0-9]+,"guadagno":-?[0-9]+\},?)");
    const struct {
        int signal;
        int status;
        const char* format;
    } rows[] = {{SIGTERM, 143, "csv"}, {SIGHUP, 129, "json"}, {SIGINT, 130, "csv"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.signal);
        // Far more steps than come before the signal: 0.6 digits a doubling.
        const Outcome run = runArchimede(
            {"--cifre", "10000", "--metodo", "raddoppi", "--tabella", "--formato", row.format},
            "it", row.signal);
        EXPECT_TRUE(run.exited) << "ended by the signal itself, its rows cut";
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.err, "archimede: interrotto\n");
        ASSERT_TRUE(run.out.ends_with('\n')) << run.out.substr(run.out.size() - 40);
        std::size_t lines = 0;
        for (std::size_t at = 0; at < run.out.size(); ++lines) {
            const std::size_t end = run.out.find('\n', at);
            const std::string line = run.out.substr(at, end - at);
            EXPECT_TRUE(std::regex_match(line, row.format[0] == 'c' ? csvRow : jsonRow)) << line;
            at = end + 1;
        }
        EXPECT_GT(lines, 100u);
    }
}

// archimede hands --cifre over to archimede-cifre with the stopping signals
// held back: one that came meanwhile stops the run at its first step, as
// soon as the helper can take it, rather than being lost or ending it half
// started.
TEST(ArchimedeSignals, OneHeldThroughTheHandOverStopsTheRun) {
    const Outcome run = runArchimede({"--cifre", "100000"}, "it", {}, SIGINT);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 130);
    EXPECT_TRUE(run.out.empty()) << run.out.substr(0, 80);
    EXPECT_EQ(run.err, "archimede: interrotto\n");
}

} // namespace
