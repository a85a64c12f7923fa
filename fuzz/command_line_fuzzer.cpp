// lavoro1's command line from arbitrary arguments: the input split at each NUL
// byte, after the program's name. Whatever the arguments, the reading ends in
// one of its four answers, and each answer is well formed: a refusal is one
// line naming the program, a run has its parsed arguments and at most one
// positional argument, help and version are the fixed texts.

#include "runtime/host/command_line.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// The shape of lavoro1's: one option of its own and an optional PASSI that
// only goes with it.
const runtime::host::CommandLineSyntax& syntax() {
    static const runtime::host::CommandLineSyntax made{
        .executableName = QStringLiteral("lavoro1"),
        .versionLine = QStringLiteral("Lavoro1 1.00"),
        .summary = QStringLiteral("Prova."),
        .options = {QCommandLineOption(QStringLiteral("esplora"), QStringLiteral("Esplora."))},
        .positionalName = QStringLiteral("PASSI"),
        .positionalDescription = QStringLiteral("Il passo."),
        .checkArguments =
            [](const QCommandLineParser& parser) {
                return !parser.positionalArguments().isEmpty() &&
                               !parser.isSet(QStringLiteral("esplora"))
                           ? QStringLiteral("argomento inatteso")
                           : QString();
            },
    };
    return made;
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
    const runtime::host::CommandLine read = runtime::host::readCommandLine(
        syntax(), argumentsOf(std::string_view(reinterpret_cast<const char*>(data), size)));
    switch (read.action) {
    case Action::Run:
        check(read.parser != nullptr, "a run without its parsed arguments");
        check(read.parser->positionalArguments().size() <= 1, "more than one PASSI accepted");
        check(read.parser->positionalArguments().isEmpty() ||
                  read.parser->isSet(QStringLiteral("esplora")),
              "PASSI accepted without --esplora");
        break;
    case Action::ShowHelp:
        check(read.text == runtime::host::helpText(syntax()), "help is not the help text");
        break;
    case Action::ShowVersion:
        check(read.text == QStringLiteral("Lavoro1 1.00\n"), "version is not the version line");
        break;
    case Action::Refuse:
        check(read.text.startsWith(QStringLiteral("lavoro1: ")), "a refusal without the name");
        check(read.text.endsWith(QStringLiteral(". Vedere 'lavoro1 --help'.")),
              "a refusal without the pointer to --help");
        check(!read.text.contains(QLatin1Char('\n')), "a refusal of more than one line");
        check(read.parser == nullptr, "a refusal that would still run");
        break;
    default:
        fail("action out of its enumeration");
    }
    return 0;
}
