#pragma once

// Points the user's settings (QSettings' user scope, and $XDG_CONFIG_HOME,
// where the windows find their settings file) at a fresh temporary folder
// while it lives, so that a test neither reads nor writes the real ones.
// Hold one in a fixture: each test starts with nothing remembered.

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtGlobal>

#include <optional>

namespace testing_support {

class TemporarySettings {
public:
    TemporarySettings() {
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, directory_.path());
        }
        if (qEnvironmentVariableIsSet(variable)) {
            previous_ = qgetenv(variable);
        }
        qputenv(variable, QFile::encodeName(directory_.path()));
    }
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;
    ~TemporarySettings() {
        if (previous_) {
            qputenv(variable, *previous_);
        } else {
            qunsetenv(variable);
        }
    }

    // The folder, as XDG_CONFIG_HOME for a child process.
    QString path() const { return directory_.path(); }

private:
    static constexpr const char* variable = "XDG_CONFIG_HOME";
    QTemporaryDir directory_;
    std::optional<QByteArray> previous_;
};

} // namespace testing_support
