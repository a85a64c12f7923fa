#include "explore/explore_window.hpp"
#include "explore/project.hpp"
#include "form/form1.hpp"
#include "form/project.hpp"
#include "runtime/host/command_line.hpp"
#include "tests/gui_support/first_frame.hpp"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

using runtime::host::CommandLine;

struct ExploreLine {
    QStringList arguments;
    std::optional<int> step; // the step Esplora opens at; none: Form1
    const char* refusal;     // or the reason the line is refused
};

// lavoro1's command line, read as the application reads it.
TEST(ExploreCommandLine, OpensEsploraAtPassiOrForm1WithoutTheOption) {
    calc::Module1 module;
    const runtime::host::ProjectDescription project =
        explore::withExplore(form::projectDescription(module));
    const ExploreLine lines[] = {
        {{}, std::nullopt, nullptr},
        {{"--esplora"}, explore::defaultStep, nullptr},
        {{"--esplora", "5"}, 5, nullptr},
        {{"5", "--esplora"}, 5, nullptr},
        {{"--esplora", "1"}, 1, nullptr},
        {{"--esplora", "0"}, {}, "PASSI vuole un numero intero da 1 a 500, non '0'"},
        {{"--esplora", "500"}, 500, nullptr},
        {{"--esplora", "501"}, {}, "PASSI vuole un numero intero da 1 a 500, non '501'"},
        {{"--esplora", "2.5"}, {}, "PASSI vuole un numero intero da 1 a 500, non '2.5'"},
        {{"--esplora", "5", "6"}, {}, "argomento inatteso '6'"},
        {{"5"}, {}, "argomento inatteso '5'"},
    };
    for (const ExploreLine& line : lines) {
        SCOPED_TRACE(line.arguments.join(' ').toStdString());
        const CommandLine read = runtime::host::readCommandLine(
            project.commandLine, QStringList{QStringLiteral("lavoro1")} + line.arguments);
        if (line.refusal != nullptr) {
            EXPECT_EQ(read.action, CommandLine::Action::Refuse);
            EXPECT_EQ(read.text.toStdString(),
                      std::string("lavoro1: ") + line.refusal + ". Vedere 'lavoro1 --help'.");
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

TEST(ExploreExecutable, KeepsEsploraOpenOrRefusesAWrongStep) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
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
