#include "apps/command_line.hpp"
#include "calc/step_range.hpp"
#include "runtime/host/command_line.hpp"
#include "tests/gui_support/first_frame.hpp"
#include "tests/gui_support/temporary_settings.hpp"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>

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
        EXPECT_EQ(apps::requestedStep(parsed), line.step);
    }
    EXPECT_TRUE(runtime::host::helpText(syntax).contains(QLatin1String("--esplora")));
}

// Without PASSI Esplora opens where it was last closed, which only the
// window knows.
TEST(ExploreCommandLine, NamesAStepOnlyWithPassi) {
    EXPECT_EQ(apps::explicitStep(read({QStringLiteral("--esplora")})), std::nullopt);
    EXPECT_EQ(apps::explicitStep(read({QStringLiteral("--esplora"), QStringLiteral("4.5")})), 4);
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

// Esplora is on screen before its chart's libraries are loaded, and loads
// them right after: the dynamic linker's log of the files it loads
// (LD_DEBUG=files) and Qt's frame log share standard error, in the order
// things happen.
TEST(ExploreExecutable, ShowsItsFirstFrameBeforeLoadingTheChartsLibraries) {
    const testing_support::TemporarySettings settings;
    QProcessEnvironment environment =
        testing_support::withFrameLog(QProcessEnvironment::systemEnvironment());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LAVORO1_EXECUTABLE),
                  {QStringLiteral("--esplora"), QStringLiteral("5")});
    QByteArray standardError;
    ASSERT_TRUE(testing_support::waitForFirstFrame(process, standardError));
    // Not Qt Svg: Qt's icon engine loads it for the window's SVG icon, at a
    // time of Qt's own choosing (before the first frame in a slower build).
    const char* const chartFiles[] = {"lavoro1-esplora-grafico.so", "libQt6Charts.so", "libflint"};
    for (const char* file : chartFiles) {
        EXPECT_FALSE(standardError.contains(file)) << file << " loaded before the first frame";
    }
    const QDeadlineTimer deadline(10000);
    while (!standardError.contains("libQt6Charts.so") &&
           process.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        standardError += process.readAllStandardError();
    }
    EXPECT_TRUE(standardError.contains("file=libQt6Charts.so")) << "the chart never came";
    process.kill();
    process.waitForFinished();
}

struct TerminalCase {
    QStringList arguments;
    const char* display; // DISPLAY, or nullptr for none
    int status;
    const char* output; // what standard output starts with
    const char* error;  // all of standard error
};

// Outside Italian, what lavoro1 says before it has a window is English: the
// help, refusals, the core's warnings and a display that is not responding.
TEST(Lavoro1Executable, AnswersOnTheTerminalInEnglishUnderOtherLanguages) {
    const TerminalCase cases[] = {
        {{"--help"}, nullptr, 0, "Usage: lavoro1 [options] [STEPS]\nBounds for pi ", ""},
        {{"--nessuna"},
         nullptr,
         2,
         "",
         "lavoro1: unknown option '--nessuna'. See 'lavoro1 --help'.\n"},
        {{"--esplora", "0"},
         nullptr,
         2,
         "",
         "lavoro1: Enter a number of steps from 1 to 500. See 'lavoro1 --help'.\n"},
        {{},
         ":7919",
         1,
         "",
         "Cannot open the window: the display is not responding (X11 ':7919').\n"},
    };
    const QTemporaryDir runtimeDirectory; // holds no Wayland socket
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        environment.remove(QString::fromLatin1(variable));
    }
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory.path());
    for (const TerminalCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcessEnvironment withDisplay = environment;
        if (c.display != nullptr) {
            withDisplay.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(c.display));
        }
        QProcess lavoro1;
        lavoro1.setProcessEnvironment(withDisplay);
        lavoro1.start(QStringLiteral(LAVORO1_EXECUTABLE), c.arguments);
        ASSERT_TRUE(lavoro1.waitForFinished(10000));
        EXPECT_EQ(lavoro1.exitCode(), c.status);
        const std::string output = lavoro1.readAllStandardOutput().toStdString();
        EXPECT_TRUE(output.starts_with(c.output)) << output;
        EXPECT_EQ(lavoro1.readAllStandardError().toStdString(), c.error);
    }
}

} // namespace
