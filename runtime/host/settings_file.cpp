#include "runtime/host/settings_file.hpp"

#include "runtime/file_target.hpp"
#include "runtime/host/translation.hpp"
#include "runtime/printable.hpp"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <optional>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace runtime::host {
namespace {

// The program writes a few hundred bytes; a larger file is not its to parse.
constexpr qint64 maximumSize = 1 << 20;
// Saves begun again because another run replaced the file meanwhile, or
// because its folder had to be made first.
constexpr int maximumAttempts = 4;
// The name of the copy QSettings changes, in a private folder.
constexpr const char* copyName = "settings.conf";

enum class Failure { None, NotRegular, Unreadable, Unwritable };

class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
    Descriptor(Descriptor&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(descriptor_, other.descriptor_);
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
    }
    int get() const { return descriptor_; }
    explicit operator bool() const { return descriptor_ >= 0; }

    // A name that opens the same file or folder again, whatever has been
    // renamed or linked since, and that is ASCII, whatever bytes the real
    // name holds: for QSettings, which takes only names.
    QString procName() const { return QStringLiteral("/proc/self/fd/%1").arg(descriptor_); }

private:
    int descriptor_;
};

// What the file's name leads to at one moment. The name is bytes, as the
// system holds it: a name that is not UTF-8 would not survive a QString.
struct Contents {
    Failure failure = Failure::None;
    QByteArray folderName; // the folder the name leads into, links followed
    QByteArray name;       // the file's own name in it
    Descriptor folder;     // that folder, open; none when it does not exist
    bool exists = false;
    struct stat status {}; // of the file read, when it exists
    QByteArray bytes;
};

Failure failureOf(int error) {
    return error == ENOTDIR || error == ELOOP || error == EISDIR ? Failure::NotRegular
                                                                 : Failure::Unreadable;
}

// Reads what path leads to, opening nothing but a regular file, that without
// waiting and once: the file read is the one a save may replace.
Contents readContents(const QByteArray& path) {
    Contents contents;
    const runtime::FileTarget target = runtime::resolveFileTarget(path.toStdString());
    if (!target.missingFolder.empty()) {
        contents.folderName = QByteArray::fromStdString(target.missingFolder.native());
        return contents;
    }
    if (target.error != 0) {
        contents.failure = failureOf(target.error);
        return contents;
    }
    if (target.kind == runtime::FileTarget::Kind::Folder ||
        target.kind == runtime::FileTarget::Kind::Other) {
        contents.failure = Failure::NotRegular;
        return contents;
    }
    contents.folderName = QByteArray::fromStdString(target.folder.native());
    contents.name = QByteArray::fromStdString(target.name.native());
    contents.folder =
        Descriptor(open(contents.folderName.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!contents.folder) {
        if (errno != ENOENT) {
            contents.failure = failureOf(errno);
        }
        return contents;
    }
    const int folder = contents.folder.get();
    const char* name = contents.name.constData();
    struct stat status {};
    if (fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) {
            contents.failure = failureOf(errno);
        }
        return contents;
    }
    if (!S_ISREG(status.st_mode)) {
        contents.failure = Failure::NotRegular;
        return contents;
    }
    // A FIFO or a link put in the file's place since is opened without
    // waiting, or not at all, then refused as the open file is checked.
    const Descriptor file(
        openat(folder, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW));
    if (!file) {
        contents.failure = failureOf(errno);
        return contents;
    }
    if (fstat(file.get(), &contents.status) != 0 || !S_ISREG(contents.status.st_mode)) {
        contents.failure = Failure::NotRegular;
        return contents;
    }
    QFile reader;
    if (!reader.open(file.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        contents.failure = Failure::Unreadable;
        return contents;
    }
    contents.bytes = reader.read(maximumSize + 1);
    if (reader.error() != QFileDevice::NoError || contents.bytes.size() > maximumSize) {
        contents.failure = Failure::Unreadable;
        return contents;
    }
    contents.exists = true;
    return contents;
}

bool writeAll(int descriptor, const QByteArray& bytes) {
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t wrote = write(descriptor, bytes.constData() + written,
                                    static_cast<std::size_t>(bytes.size() - written));
        if (wrote == 0 || (wrote < 0 && errno != EINTR)) {
            return false;
        }
        written += wrote < 0 ? 0 : wrote;
    }
    return true;
}

// The keys of group in bytes, parsed by QSettings in memory: reading needs
// no folder to write in, neither the file's nor $TMPDIR, which may be full or
// read-only. Nothing when bytes are not in the INI format.
std::optional<QVariantMap> readGroup(const QByteArray& bytes, const QString& group) {
    const Descriptor memory(memfd_create("settings", MFD_CLOEXEC));
    if (!memory || !writeAll(memory.get(), bytes)) {
        return std::nullopt;
    }
    // QSettings keeps what it parsed by name, and parses again only when the
    // file's size or time changed: each copy, whose name comes back with its
    // descriptor's number, gets a time of its own.
    static std::atomic<time_t> copies{0};
    const std::array<timespec, 2> times = {timespec{0, UTIME_OMIT}, timespec{++copies, 0}};
    if (futimens(memory.get(), times.data()) != 0) {
        return std::nullopt;
    }
    QSettings settings(memory.procName(), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return std::nullopt;
    }
    QVariantMap values;
    settings.beginGroup(group);
    for (const QString& key : settings.childKeys()) {
        values.insert(key, settings.value(key));
    }
    return values;
}

// A folder of its own beside the file, for QSettings' copy, its lock and its
// temporary file; removed, with whatever is left in it, when done.
class PrivateFolder {
public:
    explicit PrivateFolder(const Descriptor& parent) : parent_(parent) {
        for (int tried = 0; tried < 8 && !folder_; ++tried) {
            name_ = ".settings-" + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
            if (mkdirat(parent.get(), name_.constData(), 0700) == 0) {
                folder_ = Descriptor(openat(parent.get(), name_.constData(),
                                            O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            } else if (errno != EEXIST) {
                return;
            }
        }
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    ~PrivateFolder() {
        if (!folder_) {
            return;
        }
        // Only files are made in it: the copy, its lock, QSaveFile's file.
        if (DIR* entries = fdopendir(dup(folder_.get()))) {
            while (const dirent* entry = readdir(entries)) {
                unlinkat(folder_.get(), entry->d_name, 0);
            }
            closedir(entries);
        }
        unlinkat(parent_.get(), name_.constData(), AT_REMOVEDIR);
    }

    int get() const { return folder_.get(); }
    explicit operator bool() const { return static_cast<bool>(folder_); }
    // The copy's name for QSettings: its own for each folder, as QSettings
    // keeps what it parsed by name.
    QString copy() const {
        return parent_.procName() + QLatin1Char('/') + QLatin1String(name_) + QLatin1Char('/') +
               QLatin1String(copyName);
    }

private:
    const Descriptor& parent_;
    QByteArray name_;
    Descriptor folder_;
};

enum class Replaced { Done, Changed, Unreadable, Failed };

// Gives the file at copy in folder the owner and permissions of was.
bool takeOwnerAndMode(int folder, const struct stat& was) {
    const Descriptor copy(openat(folder, copyName, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat status {};
    if (!copy || fstat(copy.get(), &status) != 0) {
        return false;
    }
    if ((status.st_uid != was.st_uid || status.st_gid != was.st_gid) &&
        fchown(copy.get(), was.st_uid, was.st_gid) != 0) {
        return false;
    }
    return fchmod(copy.get(), was.st_mode & 07777) == 0;
}

// Writes the file contents read, changed by use, through a copy beside it
// renamed into place only while the name still leads to the file read (or
// still to nothing): a device, a FIFO, a link or another run's file put there
// since is left as it is. The copy takes the file's owner and permissions, or
// is not renamed.
Replaced replace(const Contents& contents, const std::function<void(QSettings&)>& use) {
    const PrivateFolder place(contents.folder);
    if (!place) {
        return Replaced::Failed;
    }
    {
        // Created as any new file of the user's would be, when there is none.
        const Descriptor copy(openat(place.get(), copyName,
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                     contents.exists ? 0600 : 0666));
        if (!copy || !writeAll(copy.get(), contents.bytes)) {
            return Replaced::Failed;
        }
    }
    {
        QSettings settings(place.copy(), QSettings::IniFormat);
        if (settings.status() == QSettings::NoError) {
            use(settings);
            settings.sync();
        }
        // Some faults of the format QSettings finds only as it writes.
        switch (settings.status()) {
        case QSettings::NoError:
            break;
        case QSettings::FormatError:
            return Replaced::Unreadable;
        case QSettings::AccessError:
            return Replaced::Failed;
        }
    }
    const int folder = contents.folder.get();
    const char* name = contents.name.constData();
    if (contents.exists) {
        if (!takeOwnerAndMode(place.get(), contents.status)) {
            return Replaced::Failed;
        }
        if (!runtime::stillReplaceable(folder, name, &contents.status)) {
            return Replaced::Changed;
        }
        return renameat(place.get(), copyName, folder, name) == 0 ? Replaced::Done
                                                                  : Replaced::Failed;
    }
    if (renameat2(place.get(), copyName, folder, name, RENAME_NOREPLACE) == 0) {
        return Replaced::Done;
    }
    if (errno == EEXIST) {
        return Replaced::Changed;
    }
    if (errno != EINVAL) {
        return Replaced::Failed;
    }
    // A file system that cannot refuse to replace: the name checked first.
    struct stat now {};
    if (fstatat(folder, name, &now, AT_SYMLINK_NOFOLLOW) == 0) {
        return Replaced::Changed;
    }
    return renameat(place.get(), copyName, folder, name) == 0 ? Replaced::Done : Replaced::Failed;
}

// Makes folder and the folders above it that are missing.
void makeFolders(const QByteArray& folder) {
    for (qsizetype end = 1; end <= folder.size(); ++end) {
        if (end == folder.size() || folder[end] == '/') {
            mkdir(folder.left(end).constData(), 0777);
        }
    }
}

// A file without a write permission is read-only to the user, root included:
// its owner made it so.
bool writable(const Contents& contents) {
    return (contents.status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           faccessat(contents.folder.get(), contents.name.constData(), W_OK, AT_EACCESS) == 0;
}

QString lineFor(Failure failure, const QByteArray& path) {
    const QString quoted = QString::fromStdString(runtime::printable(path.toStdString()));
    switch (failure) {
    case Failure::NotRegular:
        return translatedText("runtime::host::SettingsFile",
                              "La disposizione della finestra non viene ricordata: '%1' non è "
                              "un file ordinario.")
            .arg(quoted);
    case Failure::Unreadable:
        return translatedText(
                   "runtime::host::SettingsFile",
                   "La disposizione della finestra non viene ricordata: '%1' non si può leggere.")
            .arg(quoted);
    case Failure::Unwritable:
    case Failure::None:
        break;
    }
    return translatedText(
               "runtime::host::SettingsFile",
               "La disposizione della finestra non viene ricordata: '%1' non si può scrivere.")
        .arg(quoted);
}

} // namespace

SettingsFile::SettingsFile(QByteArray path) : path_(std::move(path)) {}

QByteArray SettingsFile::userPath(const QString& application) {
    // As QStandardPaths finds it, but in bytes: it decodes the variables to
    // text, and a byte that is not UTF-8 would lead to another file.
    QByteArray folder = qgetenv("XDG_CONFIG_HOME");
    if (folder.isEmpty()) {
        const QByteArray home = qgetenv("HOME");
        folder = (home.isEmpty() ? QFile::encodeName(QDir::homePath()) : home) + "/.config";
    }
    const QByteArray name = QFile::encodeName(application);
    return folder + '/' + name + '/' + name + ".conf";
}

QVariantMap SettingsFile::read(const QString& group) {
    const Contents contents = readContents(path_);
    if (contents.failure != Failure::None) {
        report(lineFor(contents.failure, path_));
        return {};
    }
    if (!contents.exists) {
        return {};
    }
    std::optional<QVariantMap> values = readGroup(contents.bytes, group);
    if (!values) {
        report(lineFor(Failure::Unreadable, path_));
        return {};
    }
    return *std::move(values);
}

bool SettingsFile::remember(const QString& group, const QVariantMap& values) {
    const auto setValues = [&](QSettings& settings) {
        settings.beginGroup(group);
        for (auto value = values.cbegin(); value != values.cend(); ++value) {
            settings.setValue(value.key(), value.value());
        }
    };
    for (int attempt = 0; attempt < maximumAttempts; ++attempt) {
        // Read again: another run may have changed the file since it was read.
        const Contents contents = readContents(path_);
        if (contents.failure != Failure::None) {
            report(lineFor(contents.failure, path_));
            return false;
        }
        if (!contents.folder) {
            makeFolders(contents.folderName);
            continue;
        }
        // A file its owner made read-only stays as it is, although its folder
        // would let a new file be renamed over it.
        if (contents.exists && !writable(contents)) {
            report(lineFor(Failure::Unwritable, path_));
            return false;
        }
        switch (replace(contents, setValues)) {
        case Replaced::Done:
            return true;
        case Replaced::Changed:
            continue;
        case Replaced::Unreadable:
            report(lineFor(Failure::Unreadable, path_));
            return false;
        case Replaced::Failed:
            report(lineFor(Failure::Unwritable, path_));
            return false;
        }
    }
    report(lineFor(Failure::Unwritable, path_));
    return false;
}

void SettingsFile::report(const QString& line) {
    if (!reported_) {
        reported_ = true;
        std::cerr << line.toStdString() << '\n' << std::flush;
    }
}

} // namespace runtime::host
