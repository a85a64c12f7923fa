#include "explore/explore_window.hpp"
#include "explore/project.hpp"
#include "form/form1.hpp"
#include "form/project.hpp"
#include "runtime/host/command_line.hpp"
#include "tests/gui_support/first_frame.hpp"
#include "tests/gui_support/temporary_settings.hpp"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

using runtime::host::CommandLine;

// lavoro1's command line with --esplora, and settings of the test's own.
class ExploreCommandLine : public ::testing::Test {
protected:
    calc::Module1 module;
    const runtime::host::ProjectDescription project =
        explore::withExplore(form::projectDescription(module));
    testing_support::TemporarySettings settings;

    std::unique_ptr<QWidget> startupWindow(const QStringList& arguments) const {
        const CommandLine read = runtime::host::readCommandLine(
            project.commandLine, QStringList{QStringLiteral("lavoro1")} + arguments);
        EXPECT_EQ(read.action, CommandLine::Action::Run) << read.text.toStdString();
        return read.parser ? project.createStartupForm(QLocale(QLocale::Italian), *read.parser)
                           : nullptr;
    }
};

struct ExploreLine {
    QStringList arguments;
    std::optional<int> step; // the step Esplora opens at; none: Form1
    const char* refusal;     // or the reason the line is refused, as written
};

// lavoro1's command line, read as the application reads it.
TEST_F(ExploreCommandLine, OpensEsploraAtPassiOrForm1WithoutTheOption) {
    const ExploreLine lines[] = {
        {{}, std::nullopt, nullptr},
        {{"--esplora"}, explore::defaultStep, nullptr},
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
        const CommandLine read = runtime::host::readCommandLine(
            project.commandLine, QStringList{QStringLiteral("lavoro1")} + line.arguments);
        if (line.refusal != nullptr) {
            EXPECT_EQ(read.action, CommandLine::Action::Refuse);
            EXPECT_EQ(read.text.toStdString(),
                      std::string("lavoro1: ") + line.refusal + " Vedere 'lavoro1 --help'.");
            continue;
        }
        ASSERT_EQ(read.action, CommandLine::Action::Run) << read.text.toStdString();
        const std::unique_ptr<QWidget> window =
            project.createStartupForm(QLocale(QLocale::Italian), *read.parser);
        if (line.step) {
            auto* esplora = dynamic_cast<explore::ExploreWindow*>(window.get());
            ASSERT_NE(esplora, nullptr);
            EXPECT_EQ(esplora->step(), *line.step);
        } else {
            EXPECT_NE(dynamic_cast<form::Form1*>(window.get()), nullptr);
        }
    }
    EXPECT_TRUE(runtime::host::helpText(project.commandLine).contains(QLatin1String("--esplora")));
}

TEST_F(ExploreCommandLine, WithoutPassiOpensAtTheStepEsploraWasClosedAt) {
    explore::ExploreWindow closed(QLocale(QLocale::Italian), 40);
    closed.show();
    ASSERT_TRUE(closed.close());
    const auto stepOf = [](const std::unique_ptr<QWidget>& window) {
        auto* esplora = dynamic_cast<explore::ExploreWindow*>(window.get());
        return esplora == nullptr ? -1 : esplora->step();
    };
    EXPECT_EQ(stepOf(startupWindow({QStringLiteral("--esplora")})), 40);
    EXPECT_EQ(stepOf(startupWindow({QStringLiteral("--esplora"), QStringLiteral("3")})), 3)
        << "PASSI wins over the step remembered";
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

    QProcess lavoro1;
    lavoro1.setProcessEnvironment(testing_support::withFrameLog(environment));
    lavoro1.start(QStringLiteral(LAVORO1_EXECUTABLE),
                  {QStringLiteral("--esplora"), QStringLiteral("3")});
    QByteArray error;
    EXPECT_TRUE(testing_support::waitForFirstFrame(lavoro1, error))
        << "no window shown: " << error.toStdString();
    EXPECT_EQ(lavoro1.state(), QProcess::Running) << "ended on its own";
    lavoro1.kill();
    lavoro1.waitForFinished(10000);
}

} // namespace
