#pragma once

// Start and end of an application hosted on Qt Widgets: what the entry point
// hands over, and the routine that sets up the application, shows its
// start-up window and runs the event loop until that window is closed.

#include "runtime/host/command_line.hpp"
#include "runtime/translatable.hpp"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace runtime::host {

struct ProjectDescription {
    QString title;         // application title: names the application and titles its message boxes
    QString version;       // "major.minor"
    QString applicationId; // reverse-DNS id; also the base name of the desktop entry
    // Window icon images: a scalable one first, then fixed sizes for where
    // no SVG icon engine is installed (Qt resource paths).
    QStringList iconFiles;
    CommandLineSyntax commandLine; // --help and --version are always there
    // Builds the start-up window from the user's locale and the command line
    // read; the host owns it and shows it.
    std::function<std::unique_ptr<QWidget>(const QLocale& userLocale,
                                           const CommandLine& commandLine)>
        createStartupForm;
};

// Names, version, desktop id, icon and font substitutions, on the running
// QApplication. Tests call it on their own application object.
void configureApplication(const ProjectDescription& project);

// Sets the application's window icon from iconFiles (see ProjectDescription)
// once window has painted its first frame, or after a second if it paints
// none (started minimized). Reading the SVG icon loads an icon engine plugin
// and Qt Svg, a tenth of the time to the first frame, which the window need
// not wait for: runApplication sets its start-up window's icon this way.
void setWindowIconAfterFirstFrame(QWidget& window, const QStringList& iconFiles);

// Where a window could be shown: the platform asked for (-platform, or else
// QT_QPA_PLATFORM), the X display (-display, or else DISPLAY), the Wayland
// display (WAYLAND_DISPLAY or WAYLAND_SOCKET) and whether the Wayland
// compositor's default socket exists. Empty strings stand for unset values.
struct DisplaySetting {
    std::string_view platform;
    std::string_view x11Display;
    std::string_view waylandDisplay;
    bool defaultWaylandSocket = false;
};

// Whether a Qt platform can show a window here. Only the windowing platforms
// (xcb, wayland, and the default that picks one of them) need a display; the
// others (offscreen, vnc...) never do.
bool displayAvailable(const DisplaySetting& setting) noexcept;

// The line written to standard error when there is no display, in Italian;
// runApplication writes it in the user's language.
inline constexpr std::string_view noDisplayMessage =
    LAVORO1_TRANSLATABLE("runtime::host::Application",
                         "Impossibile aprire la finestra: nessuno schermo grafico disponibile "
                         "(DISPLAY e WAYLAND_DISPLAY non sono impostati).");

// The line written to standard error when Qt could not start its platform
// although a display seemed set: the display does not answer (DISPLAY names
// no server, WAYLAND_DISPLAY no socket), or the platform asked for by name,
// missingPlatform when Qt reported its plugin missing, is not there or fails.
// In the user's language (runtime::translated).
std::string displayFailureMessage(const DisplaySetting& setting, std::string_view missingPlatform);

// Reads the command line (argc and argv as main has them): --help and
// --version print and return 0, a wrong option writes one line and returns 2.
// Otherwise sets up the application, with Qt's own options, shows the
// start-up window, runs the event loop and returns its exit code once the
// window is closed. Without a display it writes noDisplayMessage and returns 1
// at once; with one that cannot be used, displayFailureMessage and 1, where Qt
// alone would abort. The program's Translations, made first thing in main,
// give the texts; Qt's own follow them on the application made here.
int runApplication(const ProjectDescription& project, int argc, char** argv);

// The same, for commandLine, what readCommandLine made of argc and argv with
// project's syntax: a program that has read its command line already does not
// read it again.
int runApplication(const ProjectDescription& project, const CommandLine& commandLine, int argc,
                   char** argv);

} // namespace runtime::host
