#pragma once

// Start and end of an application hosted on Qt Widgets: what the entry point
// hands over, and the routine that sets up the application, shows its
// start-up window and runs the event loop until that window is closed.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>

namespace runtime::host {

struct ProjectDescription {
    QString title;         // application title: names the application and titles its message boxes
    QString version;       // "major.minor"
    QString applicationId; // reverse-DNS id; also the base name of the desktop entry
    QStringList iconFiles; // window icon images, one per size (Qt resource paths)
    // Builds the start-up window; the host owns it and shows it.
    std::function<std::unique_ptr<QWidget>(const QLocale& userLocale)> createStartupForm;
};

// Names, version, desktop id, icon and font substitutions, on the running
// QApplication. Tests call it on their own application object.
void configureApplication(const ProjectDescription& project);

// Whether a Qt platform can show a window here. Only the windowing platforms
// (xcb, wayland, and the default that picks one of them) need a display; the
// others (offscreen, vnc...) never do. Empty strings stand for unset variables.
bool displayAvailable(std::string_view qpaPlatform, std::string_view x11Display,
                      std::string_view waylandDisplay) noexcept;

// The line written to standard error when there is no display.
inline constexpr std::string_view noDisplayMessage =
    "Impossibile aprire la finestra: nessuno schermo grafico disponibile "
    "(DISPLAY e WAYLAND_DISPLAY non sono impostati).";

// Sets up the application, shows the start-up window, runs the event loop and
// returns its exit code once the window is closed. Reads no command line.
// Without a display it writes noDisplayMessage and returns 1 at once.
int runApplication(const ProjectDescription& project);

} // namespace runtime::host
