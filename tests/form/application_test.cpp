#include "apps/project.hpp"
#include "calc/module1.hpp"
#include "lavoro1/project_info.hpp"
#include "runtime/host/application.hpp"
#include "tests/gui_support/first_frame.hpp"

#include <QApplication>
#include <QIcon>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Lavoro1Application, ReportsItsNameVersionDesktopIdAndIcon) {
    runtime::host::configureApplication(apps::lavoro1Project());
    EXPECT_EQ(QCoreApplication::applicationName(), lavoro1::applicationName);
    EXPECT_EQ(QCoreApplication::applicationVersion(), lavoro1::applicationVersion);
    EXPECT_EQ(QGuiApplication::desktopFileName(), lavoro1::applicationId);
    // Drawn from the SVG: sharp at any size, not a small image scaled up.
    for (const int side : {16, 32, 256}) {
        SCOPED_TRACE(side);
        EXPECT_EQ(QApplication::windowIcon().pixmap(QSize(side, side)).size(), QSize(side, side));
    }
}

// The application's icon taken away for the test and put back after it.
class Lavoro1WindowIcon : public ::testing::Test {
protected:
    void SetUp() override { QApplication::setWindowIcon(QIcon()); }
    void TearDown() override { runtime::host::configureApplication(apps::lavoro1Project()); }
};

TEST_F(Lavoro1WindowIcon, IsSetOnceTheStartupWindowHasPaintedItsFirstFrame) {
    QWidget window;
    runtime::host::setWindowIconAfterFirstFrame(window, apps::lavoro1Project().iconFiles);
    EXPECT_TRUE(QApplication::windowIcon().isNull()) << "not before the first frame";
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 500))
        << "well before the fallback of a second";
    EXPECT_EQ(QApplication::windowIcon().pixmap(QSize(256, 256)).size(), QSize(256, 256));
}

QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(variable));
    }
    return environment;
}

TEST(Lavoro1Executable, WithoutADisplaySaysSoInOneLineAndFails) {
    QProcess lavoro1;
    lavoro1.setProcessEnvironment(withoutDisplay());
    lavoro1.start(QStringLiteral(LAVORO1_EXECUTABLE), {});
    ASSERT_TRUE(lavoro1.waitForFinished(10000)) << "it must not wait for a display";
    EXPECT_EQ(lavoro1.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(lavoro1.exitCode(), 1);
    const QStringList lines =
        QString::fromUtf8(lavoro1.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(QString::fromUtf8(runtime::host::noDisplayMessage.data(),
                                                 runtime::host::noDisplayMessage.size())))
        << lines.join('\n').toStdString();
}

struct DeadDisplayCase {
    const char* name;
    const char* variable; // set to value in an environment without a display
    const char* value;
    QStringList arguments;
    const char* line; // the only thing on standard error
};

// Qt alone aborts (status 134, a core file, English advice to reinstall).
TEST(Lavoro1Executable, WithADisplayThatCannotBeUsedSaysSoInOneLineAndFails) {
    const QTemporaryDir runtimeDirectory; // holds no Wayland socket
    const DeadDisplayCase cases[] = {
        {"DISPLAY with no server",
         "DISPLAY",
         ":7919",
         {},
         "Impossibile aprire la finestra: lo schermo grafico non risponde (X11 ':7919')."},
        {"WAYLAND_DISPLAY with no socket",
         "WAYLAND_DISPLAY",
         "nessuno",
         {},
         "Impossibile aprire la finestra: lo schermo grafico non risponde (Wayland 'nessuno')."},
        {"-platform with no plugin",
         "DISPLAY",
         ":7919",
         {"-platform", "nessuno"},
         "Impossibile aprire la finestra: la piattaforma grafica 'nessuno' non è installata."},
    };
    for (const DeadDisplayCase& c : cases) {
        SCOPED_TRACE(c.name);
        QProcessEnvironment environment = withoutDisplay();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory.path());
        environment.insert(QString::fromLatin1(c.variable), QString::fromLatin1(c.value));
        QProcess lavoro1;
        lavoro1.setProcessEnvironment(environment);
        lavoro1.start(QStringLiteral(LAVORO1_EXECUTABLE), c.arguments);
        ASSERT_TRUE(lavoro1.waitForFinished(10000));
        EXPECT_EQ(lavoro1.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(lavoro1.exitCode(), 1);
        EXPECT_EQ(QString::fromUtf8(lavoro1.readAllStandardError()).toStdString(),
                  std::string(c.line) + '\n');
    }
}

struct ArgumentsCase {
    QStringList arguments;
    int status;
    std::string output; // what standard output starts with
    const char* error;  // the one line on standard error, or "" for none
};

TEST(Lavoro1Executable, AnswersHelpVersionAndWrongOptionsWithoutADisplay) {
    const ArgumentsCase cases[] = {
        {{"--version"},
         0,
         std::string(lavoro1::applicationName) + ' ' + lavoro1::applicationVersion + '\n',
         ""},
        {{"--help"}, 0, "Uso: lavoro1 [opzioni] [PASSI]\n", ""},
        {{"--nessuna"},
         2,
         "",
         "lavoro1: opzione sconosciuta '--nessuna'. Vedere 'lavoro1 --help'."},
        {{"7"}, 2, "", "lavoro1: argomento inatteso '7'. Vedere 'lavoro1 --help'."},
    };
    for (const ArgumentsCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcess lavoro1;
        lavoro1.setProcessEnvironment(withoutDisplay());
        lavoro1.start(QStringLiteral(LAVORO1_EXECUTABLE), c.arguments);
        ASSERT_TRUE(lavoro1.waitForFinished(10000));
        EXPECT_EQ(lavoro1.exitCode(), c.status);
        EXPECT_TRUE(lavoro1.readAllStandardOutput().startsWith(c.output.c_str()));
        const QByteArray error = lavoro1.readAllStandardError();
        EXPECT_EQ(error.toStdString(), *c.error == '\0' ? "" : std::string(c.error) + '\n');
    }
}

// With the platform given by the environment or on the command line, which
// only Qt itself reads, the window opens and its event loop runs.
TEST(Lavoro1Executable, RunsItsWindowUntilStopped) {
    for (const bool onCommandLine : {false, true}) {
        SCOPED_TRACE(onCommandLine ? "-platform offscreen" : "QT_QPA_PLATFORM=offscreen");
        QProcessEnvironment environment = withoutDisplay();
        if (!onCommandLine) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        EXPECT_EQ(testing_support::windowShownAndKeptOpen(
                      QStringLiteral(LAVORO1_EXECUTABLE),
                      onCommandLine ? QStringList{"-platform", "offscreen"} : QStringList{},
                      environment),
                  "");
    }
}

} // namespace
