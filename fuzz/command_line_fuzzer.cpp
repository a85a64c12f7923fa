// lavoro1's command line from arbitrary arguments: the input split at each NUL
// byte, after the program's name. Whatever the arguments, the reading ends in
// one of its four answers, and each answer is well formed: a refusal is one
// line naming the program, a run has its parsed arguments and at most one
// positional argument, help and version are the fixed texts. The first
// argument is also given as PASSI to --esplora: the step lavoro1 opens at, or
// the words it refuses it with, must be those of the window's compute command
// for the same text.

#include "apps/command_line.hpp"
#include "calc/compute_command.hpp"
#include "runtime/errors.hpp"
#include "runtime/host/command_line.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "command_line: %s\n", what);
    std::abort();
}

void check(bool holds, const char* what) {
    if (!holds) {
        fail(what);
    }
}

// lavoro1's, with the application's own --esplora and PASSI check.
const runtime::host::CommandLineSyntax& syntax() {
    static const runtime::host::CommandLineSyntax made = apps::withExploreOption({
        .executableName = QStringLiteral("lavoro1"),
        .versionLine = QStringLiteral("Lavoro1 1.00"),
        .summary = QStringLiteral("Prova."),
        .options = {},
        .positionalName = {},
        .positionalDescription = {},
    });
    return made;
}

const QString refusalEnd = QStringLiteral(" Vedere 'lavoro1 --help'.");

// What the window does with text typed as its count: the step it computes,
// or the words it refuses the text with.
struct WindowAnswer {
    int step = 0;
    QString refusal;
};

WindowAnswer windowAnswer(const QString& text) {
    calc::Module1 module;
    try {
        const calc::ComputeOutcome outcome =
            calc::runComputeCommand(module, text.toStdString(), ".");
        if (outcome.computed) {
            check(module.iterationCount >= calc::minimumSteps &&
                      module.iterationCount <= calc::maximumSteps,
                  "the window computed a step outside 1..500");
            return {.step = module.iterationCount, .refusal = {}};
        }
        return {.step = 0, .refusal = QString::fromStdString(outcome.warning)};
    } catch (const runtime::RuntimeError& error) {
        return {.step = 0, .refusal = QString::fromStdString(error.what()) + QLatin1Char('.')};
    }
}

// "lavoro1 --esplora PASSI" opens Esplora where the window computes PASSI, or
// is refused with the window's words.
void checkPassi(const QStringList& arguments, const QString& passi) {
    const runtime::host::CommandLine read = runtime::host::readCommandLine(syntax(), arguments);
    const WindowAnswer window = windowAnswer(passi);
    if (window.refusal.isEmpty()) {
        check(read.action == runtime::host::CommandLine::Action::Run,
              "a PASSI the window computes was refused");
        check(apps::requestedStep(read) == window.step,
              "Esplora opens at another step than the window computes");
    } else {
        check(read.action == runtime::host::CommandLine::Action::Refuse,
              "a PASSI the window refuses was accepted");
        check(read.text == QStringLiteral("lavoro1: ") + window.refusal + refusalEnd,
              "PASSI refused with other words than the window's");
    }
}

bool looksLikeNumber(const QString& argument) {
    return argument.size() >= 2 && argument.front() == QLatin1Char('-') &&
           (argument.at(1).isDigit() || argument.at(1) == QLatin1Char('.'));
}

QStringList argumentsOf(std::string_view input) {
    QStringList arguments{QStringLiteral("lavoro1")};
    if (input.empty()) {
        return arguments;
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = input.find('\0', start);
        const std::string_view argument = input.substr(start, end - start);
        arguments << QString::fromLocal8Bit(argument.data(),
                                            static_cast<qsizetype>(argument.size()));
        if (end == std::string_view::npos) {
            return arguments;
        }
        start = end + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using Action = runtime::host::CommandLine::Action;
    const QStringList arguments =
        argumentsOf(std::string_view(reinterpret_cast<const char*>(data), size));
    if (arguments.size() > 1) {
        const QString& passi = arguments.at(1);
        const QString esplora = QStringLiteral("--esplora");
        checkPassi({arguments.front(), esplora, QStringLiteral("--"), passi}, passi);
        // Written plainly, PASSI is an argument unless it names an option.
        if (!passi.startsWith(QLatin1Char('-')) || passi == QLatin1String("-") ||
            looksLikeNumber(passi)) {
            checkPassi({arguments.front(), esplora, passi}, passi);
            checkPassi({arguments.front(), passi, esplora}, passi);
        }
    }
    const runtime::host::CommandLine read = runtime::host::readCommandLine(syntax(), arguments);
    switch (read.action) {
    case Action::Run:
        check(read.parser != nullptr, "a run without its parsed arguments");
        check(read.parser->positionalArguments().size() <= 1, "more than one PASSI accepted");
        check(read.parser->positionalArguments().isEmpty() ||
                  read.parser->isSet(QStringLiteral("esplora")),
              "PASSI accepted without --esplora");
        if (const std::optional<int> step = apps::requestedStep(read)) {
            check(*step >= calc::minimumSteps && *step <= calc::maximumSteps,
                  "Esplora asked for at a step outside 1..500");
        }
        break;
    case Action::ShowHelp:
        check(read.text == runtime::host::helpText(syntax()), "help is not the help text");
        break;
    case Action::ShowVersion:
        check(read.text == QStringLiteral("Lavoro1 1.00\n"), "version is not the version line");
        break;
    case Action::Refuse:
        check(read.text.startsWith(QStringLiteral("lavoro1: ")), "a refusal without the name");
        check(read.text.endsWith(refusalEnd), "a refusal without the pointer to --help");
        for (const QString& argument : arguments) {
            // The refusal writes a one-letter option with one dash, others with two.
            if (looksLikeNumber(argument)) {
                const QString name = argument.mid(1);
                const QString written =
                    (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
                check(arguments.contains(written) ||
                          !read.text.contains(
                              QStringLiteral("opzione sconosciuta '%1'").arg(written)),
                      "a negative number taken for an unknown option");
            }
        }
        check(!read.text.contains(QLatin1Char('\n')), "a refusal of more than one line");
        check(read.parser == nullptr, "a refusal that would still run");
        break;
    default:
        fail("action out of its enumeration");
    }
    return 0;
}
