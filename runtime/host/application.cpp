#include "runtime/host/application.hpp"

#include "runtime/host/platform.hpp"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>

#include <cstdlib>
#include <iostream>

namespace runtime::host {

namespace {

std::string_view environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view{} : std::string_view{value};
}

} // namespace

void configureApplication(const ProjectDescription& project) {
    QCoreApplication::setApplicationName(project.title);
    QCoreApplication::setApplicationVersion(project.version);
    QGuiApplication::setDesktopFileName(project.applicationId);
    QIcon icon;
    for (const QString& file : project.iconFiles) {
        icon.addFile(file);
    }
    QApplication::setWindowIcon(icon);
    installFontSubstitutions();
}

bool displayAvailable(std::string_view qpaPlatform, std::string_view x11Display,
                      std::string_view waylandDisplay) noexcept {
    const bool windowing =
        qpaPlatform.empty() || qpaPlatform.starts_with("xcb") || qpaPlatform.starts_with("wayland");
    return !windowing || !x11Display.empty() || !waylandDisplay.empty();
}

int runApplication(const ProjectDescription& project) {
    if (!displayAvailable(environmentValue("QT_QPA_PLATFORM"), environmentValue("DISPLAY"),
                          environmentValue("WAYLAND_DISPLAY"))) {
        std::cerr << noDisplayMessage << '\n';
        return 1;
    }

    // The application reads no command line: Qt gets the program name only.
    static char programName[] = "lavoro1";
    static char* arguments[] = {programName, nullptr};
    int argumentCount = 1;
    QApplication application(argumentCount, arguments);
    configureApplication(project);

    const std::unique_ptr<QWidget> startupForm = project.createStartupForm(userLocale());
    startupForm->show();
    return QApplication::exec();
}

} // namespace runtime::host
