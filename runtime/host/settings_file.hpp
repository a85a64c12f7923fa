#pragma once

// What a window remembers between runs, in one INI file of the user's, read
// and written so that whatever the file's name holds nothing blocks and
// nothing but a regular file is replaced. QSettings alone, on such a name,
// waits for ever on a FIFO or on a lock it cannot take, and renames a new file
// over a device a link leads to.

#include <QByteArray>
#include <QString>
#include <QVariantMap>

namespace runtime::host {

// The file named path, in QSettings' INI format. A link in its place is
// followed to the file it leads to, which is read and replaced. Names are
// bytes, as the system holds them, UTF-8 or not. Nothing is opened until it
// is known to be a regular file, and then once and without waiting. The file
// is parsed by QSettings in memory; to remember, it is changed by QSettings
// on a copy in a private folder beside it, which takes the file's owner and
// permissions and is renamed over the name only if the name still leads to
// the file read: a failure leaves the file as it was, $TMPDIR is never used,
// and no lock beside the file is taken or waited for.
//
// When the file cannot be used (not a regular file, unreadable, without
// write permission, root's runs included, in a folder that cannot be written,
// not in the INI format) the first such failure of an object says so on
// standard error, in one line in the user's language; later ones are silent.
class SettingsFile {
public:
    explicit SettingsFile(QByteArray path);

    // Where QSettings(application, application) keeps the user's settings:
    // <application>/<application>.conf under $XDG_CONFIG_HOME, ~/.config
    // without it; in bytes, as the variables hold them.
    static QByteArray userPath(const QString& application);

    const QByteArray& path() const { return path_; }

    // The keys of group and their values; empty when there is no file or it
    // cannot be read.
    QVariantMap read(const QString& group);

    // Sets the keys of values in group, keeping every other key of the file
    // as the file holds it now. Returns whether the file was written.
    bool remember(const QString& group, const QVariantMap& values);

private:
    void report(const QString& line);

    QByteArray path_;
    bool reported_ = false;
};

} // namespace runtime::host
