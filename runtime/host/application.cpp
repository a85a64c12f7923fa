#include "runtime/host/application.hpp"

#include "runtime/host/fonts.hpp"
#include "runtime/host/locale.hpp"
#include "runtime/host/translation.hpp"
#include "runtime/printable.hpp"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

std::string quoted(std::string_view text) {
    return '\'' + runtime::printable(text) + '\'';
}

// Qt loads its platform plugin, which connects to the display, while
// QApplication is made; when that fails it ends the process with qFatal: an
// abort, English lines and advice to reinstall. Until the application exists
// its messages are held back here; a fatal one is answered with
// displayFailureMessage and status 1, the others are passed on afterwards.
class StartupMessages {
public:
    explicit StartupMessages(const DisplaySetting& setting)
        : platform_(setting.platform), x11Display_(setting.x11Display),
          waylandDisplay_(setting.waylandDisplay) {
        active_ = this;
        previous_ = qInstallMessageHandler(&StartupMessages::handle);
    }
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;
    ~StartupMessages() {
        qInstallMessageHandler(previous_);
        active_ = nullptr;
        for (const Held& message : held_) {
            qt_message_output(
                message.type,
                QMessageLogContext(nullptr, 0, nullptr,
                                   message.category.empty() ? nullptr : message.category.c_str()),
                message.text);
        }
    }

private:
    struct Held {
        QtMsgType type;
        std::string category;
        QString text;
    };

    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        StartupMessages& self = *active_;
        const std::lock_guard lock(self.mutex_);
        if (type == QtFatalMsg) {
            const std::string line = self.failureLine() + '\n';
            std::fputs(line.c_str(), stderr);
            std::fflush(stderr);
            std::_Exit(1);
        }
        self.held_.push_back(
            {type, context.category == nullptr ? std::string() : context.category, text});
    }

    // The platform asked for by name whose plugin Qt reported missing.
    QString missingPlatform() const {
        static const QRegularExpression notFound(
            QStringLiteral(R"re(^Could not find the Qt platform plugin "([^"]*)")re"));
        const QStringList asked =
            QString::fromStdString(platform_).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const Held& message : held_) {
            const QRegularExpressionMatch match = notFound.match(message.text);
            if (!match.hasMatch()) {
                continue;
            }
            for (const QString& name : asked) {
                if (name.section(QLatin1Char(':'), 0, 0) == match.captured(1)) {
                    return match.captured(1);
                }
            }
        }
        return {};
    }

    std::string failureLine() const {
        return displayFailureMessage({.platform = platform_,
                                      .x11Display = x11Display_,
                                      .waylandDisplay = waylandDisplay_,
                                      .defaultWaylandSocket = false},
                                     missingPlatform().toStdString());
    }

    static inline StartupMessages* active_ = nullptr;
    QtMessageHandler previous_ = nullptr;
    std::string platform_;
    std::string x11Display_;
    std::string waylandDisplay_;
    std::mutex mutex_;
    std::vector<Held> held_;
};

void configureApplicationWithoutIcon(const ProjectDescription& project) {
    QCoreApplication::setApplicationName(project.title);
    QCoreApplication::setApplicationVersion(project.version);
    QGuiApplication::setDesktopFileName(project.applicationId);
    installFontSubstitutions();
}

void setWindowIcon(const QStringList& iconFiles) {
    // The first file picks the icon engine: an SVG one draws the icon sharp
    // at every size; the fixed sizes serve where that engine is missing.
    QIcon icon(iconFiles.value(0));
    for (qsizetype i = 1; i < iconFiles.size(); ++i) {
        icon.addFile(iconFiles.at(i));
    }
    QApplication::setWindowIcon(icon);
}

// Owned by the window it watches; deletes itself once the icon is set.
class WindowIconAfterFirstFrame final : public QObject {
public:
    WindowIconAfterFirstFrame(QWidget& window, QStringList iconFiles)
        : QObject(&window), iconFiles_(std::move(iconFiles)) {
        window.installEventFilter(this);
        QTimer::singleShot(latestMs, this, &WindowIconAfterFirstFrame::setIcon);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the painted frame is put on screen first.
            QMetaObject::invokeMethod(this, &WindowIconAfterFirstFrame::setIcon,
                                      Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr int latestMs = 1000;

    void setIcon() {
        if (!set_) {
            set_ = true;
            setWindowIcon(iconFiles_);
            deleteLater();
        }
    }

    QStringList iconFiles_;
    bool set_ = false;
};

} // namespace

std::string displayFailureMessage(const DisplaySetting& setting, std::string_view missingPlatform) {
    if (!missingPlatform.empty()) {
        return runtime::filled(
            runtime::translated(
                "runtime::host::Application",
                "Impossibile aprire la finestra: la piattaforma grafica %1 non è installata."),
            {quoted(missingPlatform)});
    }
    const std::string_view platform = setting.platform;
    if (!platform.empty() && !platform.starts_with("xcb") && !platform.starts_with("wayland")) {
        return runtime::filled(
            runtime::translated(
                "runtime::host::Application",
                "Impossibile aprire la finestra: la piattaforma grafica %1 non si avvia."),
            {quoted(platform)});
    }
    std::string displays;
    if (!setting.x11Display.empty()) {
        displays = "X11 " + quoted(setting.x11Display);
    }
    if (!setting.waylandDisplay.empty()) {
        displays += (displays.empty() ? "Wayland " : ", Wayland ") + quoted(setting.waylandDisplay);
    }
    if (displays.empty()) {
        return runtime::translated(
            "runtime::host::Application",
            "Impossibile aprire la finestra: lo schermo grafico non risponde.");
    }
    return runtime::filled(
        runtime::translated(
            "runtime::host::Application",
            "Impossibile aprire la finestra: lo schermo grafico non risponde (%1)."),
        {displays});
}

void configureApplication(const ProjectDescription& project) {
    configureApplicationWithoutIcon(project);
    setWindowIcon(project.iconFiles);
}

void setWindowIconAfterFirstFrame(QWidget& window, const QStringList& iconFiles) {
    new WindowIconAfterFirstFrame(window, iconFiles);
}

bool displayAvailable(const DisplaySetting& setting) noexcept {
    const std::string_view platform = setting.platform;
    const bool windowing =
        platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
    return !windowing || !setting.x11Display.empty() || !setting.waylandDisplay.empty() ||
           setting.defaultWaylandSocket;
}

int runApplication(const ProjectDescription& project, int argc, char** argv) {
    return runApplication(project, readCommandLine(project.commandLine, argumentList(argc, argv)),
                          argc, argv);
}

int runApplication(const ProjectDescription& project, const CommandLine& commandLine, int argc,
                   char** argv) {
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
        std::cerr << runtime::translated("runtime::host::Application", noDisplayMessage.data())
                  << '\n';
        return 1;
    }

    // Qt takes its own options out of argc and argv.
    std::optional<StartupMessages> startupMessages(std::in_place, setting);
    QApplication application(argc, argv);
    startupMessages.reset();
    configureApplicationWithoutIcon(project);
    // Made by main before anything was written.
    Translations::installForQt();

    const std::unique_ptr<QWidget> startupForm =
        project.createStartupForm(userLocale(), commandLine);
    setWindowIconAfterFirstFrame(*startupForm, project.iconFiles);
    startupForm->show();
    return QApplication::exec();
}

} // namespace runtime::host
