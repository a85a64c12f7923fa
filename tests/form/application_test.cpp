#include "calc/module1.hpp"
#include "form/project.hpp"
#include "runtime/host/application.hpp"

#include <QApplication>
#include <QIcon>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

TEST(Lavoro1Application, ReportsItsNameVersionDesktopIdAndIcon) {
    calc::Module1 module;
    runtime::host::configureApplication(form::projectDescription(module));
    EXPECT_EQ(QCoreApplication::applicationName(), "Lavoro1");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "1.00");
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.lavoro1.Lavoro1");
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
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

TEST(Lavoro1Executable, RunsItsWindowUntilStopped) {
    QProcess lavoro1;
    QProcessEnvironment environment = withoutDisplay();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    lavoro1.setProcessEnvironment(environment);
    lavoro1.start(QStringLiteral(LAVORO1_EXECUTABLE), {});
    ASSERT_TRUE(lavoro1.waitForStarted(10000));
    EXPECT_FALSE(lavoro1.waitForFinished(1000))
        << "ended on its own: " << lavoro1.readAllStandardError().toStdString();
    lavoro1.kill();
    lavoro1.waitForFinished(10000);
}

} // namespace
