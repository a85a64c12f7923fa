#pragma once

// Points the user's settings (QSettings' user scope) at a fresh temporary
// folder while it lives, so that a test neither reads nor writes the real ones.
// Hold one in a fixture: each test starts with nothing remembered.

#include <QSettings>
#include <QTemporaryDir>

namespace testing_support {

class TemporarySettings {
public:
    TemporarySettings() {
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, directory_.path());
        }
    }

    // The folder, as XDG_CONFIG_HOME for a child process.
    QString path() const { return directory_.path(); }

private:
    QTemporaryDir directory_;
};

} // namespace testing_support
