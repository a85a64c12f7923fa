#include "runtime/host/application.hpp"

#include "runtime/host/locale.hpp"
#include "runtime/host/platform.hpp"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace runtime::host {

namespace {

std::string_view environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view{} : std::string_view{value};
}

// Wayland clients connect to $XDG_RUNTIME_DIR/wayland-0 when WAYLAND_DISPLAY
// is not set.
bool defaultWaylandSocketExists() {
    const std::string_view runtimeDirectory = environmentValue("XDG_RUNTIME_DIR");
    if (runtimeDirectory.empty()) {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_socket(std::filesystem::path(runtimeDirectory) / "wayland-0", error);
}

} // namespace

void configureApplication(const ProjectDescription& project) {
    QCoreApplication::setApplicationName(project.title);
    QCoreApplication::setApplicationVersion(project.version);
    QGuiApplication::setDesktopFileName(project.applicationId);
    // The first file picks the icon engine: an SVG one draws the icon sharp
    // at every size; the fixed sizes serve where that engine is missing.
    QIcon icon(project.iconFiles.value(0));
    for (qsizetype i = 1; i < project.iconFiles.size(); ++i) {
        icon.addFile(project.iconFiles.at(i));
    }
    QApplication::setWindowIcon(icon);
    installFontSubstitutions();
}

bool displayAvailable(const DisplaySetting& setting) noexcept {
    const std::string_view platform = setting.platform;
    const bool windowing =
        platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
    return !windowing || !setting.x11Display.empty() || !setting.waylandDisplay.empty() ||
           setting.defaultWaylandSocket;
}

int runApplication(const ProjectDescription& project, int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine commandLine = readCommandLine(project.commandLine, arguments);
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        std::cout << commandLine.text.toStdString() << std::flush;
        return std::cout ? 0 : 1;
    case CommandLine::Action::Refuse:
        std::cerr << commandLine.text.toStdString() << '\n';
        return 2;
    case CommandLine::Action::Run:
        break;
    }

    const std::string platform = commandLine.platform.toStdString();
    const std::string x11Display = commandLine.x11Display.toStdString();
    const std::string_view waylandDisplay = environmentValue("WAYLAND_DISPLAY");
    const DisplaySetting setting{
        .platform = platform.empty() ? environmentValue("QT_QPA_PLATFORM") : platform,
        .x11Display = x11Display.empty() ? environmentValue("DISPLAY") : x11Display,
        .waylandDisplay =
            waylandDisplay.empty() ? environmentValue("WAYLAND_SOCKET") : waylandDisplay,
        .defaultWaylandSocket = defaultWaylandSocketExists(),
    };
    if (!displayAvailable(setting)) {
        std::cerr << noDisplayMessage << '\n';
        return 1;
    }

    // Qt takes its own options out of argc and argv.
    QApplication application(argc, argv);
    configureApplication(project);

    const std::unique_ptr<QWidget> startupForm =
        project.createStartupForm(userLocale(), *commandLine.parser);
    startupForm->show();
    return QApplication::exec();
}

} // namespace runtime::host
