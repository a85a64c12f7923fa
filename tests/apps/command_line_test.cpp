#include "apps/command_line.hpp"
#include "calc/step_range.hpp"
#include "runtime/host/command_line.hpp"
#include "tests/gui_support/first_frame.hpp"
#include "tests/gui_support/temporary_settings.hpp"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

using runtime::host::CommandLine;

// lavoro1's command line with --esplora.
const runtime::host::CommandLineSyntax syntax =
    apps::withExploreOption({.executableName = QStringLiteral("lavoro1"),
                             .versionLine = {},
                             .summary = {},
                             .options = {},
                             .positionalName = {},
                             .positionalDescription = {}});

CommandLine read(const QStringList& arguments) {
    return runtime::host::readCommandLine(syntax,
                                          QStringList{QStringLiteral("lavoro1")} + arguments);
}

struct ExploreLine {
    QStringList arguments;
    std::optional<int> step; // the step Esplora opens at; none: Form1 opens
    const char* refusal;     // or the reason the line is refused, as written
};

// lavoro1's command line, read as the application reads it.
TEST(ExploreCommandLine, OpensEsploraAtPassiOrForm1WithoutTheOption) {
    const ExploreLine lines[] = {
        {{}, std::nullopt, nullptr},
        {{"--esplora"}, calc::defaultExploreStep, nullptr},
        {{"--esplora", "5"}, 5, nullptr},
        {{"5", "--esplora"}, 5, nullptr},
        {{"--esplora", "1"}, 1, nullptr},
        {{"--esplora", "500"}, 500, nullptr},
        // PASSI read as Form1 reads its box and archimede its PASSI, refused
        // with the same words.
        {{"--esplora", "4.5"}, 4, nullptr},
        {{"--esplora", "500.5"}, 500, nullptr},
        {{"--esplora", "&H1F4"}, 500, nullptr},
        {{"--esplora", "0"}, {}, "Inserire un numero di iterazioni da 1 a 500."},
        {{"--esplora", "-1"}, {}, "Inserire un numero di iterazioni da 1 a 500."},
        {{"-platform", "offscreen", "--esplora", "-.5"},
         {},
         "Inserire un numero di iterazioni da 1 a 500."},
        {{"--esplora", "501"}, {}, "Risultati inattendibili!"},
        {{"--esplora", "1e10"}, {}, "Errore di run-time '6': Overflow."},
        {{"--esplora", "-1", "6"}, {}, "argomento inatteso '6'."},
        {{"5"}, {}, "argomento inatteso '5'."},
    };
    for (const ExploreLine& line : lines) {
        SCOPED_TRACE(line.arguments.join(' ').toStdString());
        const CommandLine parsed = read(line.arguments);
        if (line.refusal != nullptr) {
            EXPECT_EQ(parsed.action, CommandLine::Action::Refuse);
            EXPECT_EQ(parsed.text.toStdString(),
                      std::string("lavoro1: ") + line.refusal + " Vedere 'lavoro1 --help'.");
            continue;
        }
        ASSERT_EQ(parsed.action, CommandLine::Action::Run) << parsed.text.toStdString();
        EXPECT_EQ(apps::requestedStep(*parsed.parser), line.step);
    }
    EXPECT_TRUE(runtime::host::helpText(syntax).contains(QLatin1String("--esplora")));
}

// Without PASSI Esplora opens where it was last closed, which only the
// window knows.
TEST(ExploreCommandLine, NamesAStepOnlyWithPassi) {
    EXPECT_EQ(apps::explicitStep(*read({QStringLiteral("--esplora")}).parser), std::nullopt);
    EXPECT_EQ(
        apps::explicitStep(*read({QStringLiteral("--esplora"), QStringLiteral("4.5")}).parser), 4);
}

TEST(ExploreExecutable, KeepsEsploraOpenOrRefusesAWrongStep) {
    const testing_support::TemporarySettings settings;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    QProcess refused;
    refused.setProcessEnvironment(environment);
    refused.start(QStringLiteral(LAVORO1_EXECUTABLE),
                  {QStringLiteral("--esplora"), QStringLiteral("900")});
    ASSERT_TRUE(refused.waitForFinished(10000));
    EXPECT_EQ(refused.exitCode(), 2);

    EXPECT_EQ(testing_support::windowShownAndKeptOpen(
                  QStringLiteral(LAVORO1_EXECUTABLE),
                  {QStringLiteral("--esplora"), QStringLiteral("3")}, environment),
              "");
}

} // namespace
