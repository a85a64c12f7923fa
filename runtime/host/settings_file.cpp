#include "runtime/host/settings_file.hpp"

#include "runtime/host/translation.hpp"
#include "runtime/printable.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <array>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace runtime::host {
namespace {

// The program writes a few hundred bytes; a larger file is not its to parse.
constexpr qint64 maximumSize = 1 << 20;
// Links followed in place of the file before giving up, as Linux does.
constexpr int maximumLinks = 40;

enum class Failure { None, NotRegular, Unreadable, Unwritable };

// What the file's name leads to at one moment.
struct Contents {
    Failure failure = Failure::None;
    QString target; // the name read and replaced: the file's, links followed
    bool exists = false;
    QByteArray bytes;
};

// What the link named link holds, as a name to reach from where the link is:
// a relative one is joined to the link's folder as written, so that the
// kernel resolves its ".." after any link in that folder, as it does for the
// link itself. Empty when link cannot be read.
QString linkTarget(const QString& link) {
    std::array<char, PATH_MAX> target{};
    const ssize_t length =
        readlink(QFile::encodeName(link).constData(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) {
        return {};
    }
    const QString read = QFile::decodeName(QByteArray(target.data(), length));
    if (read.startsWith(QLatin1Char('/'))) {
        return read;
    }
    const qsizetype slash = link.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? read : link.left(slash + 1) + read;
}

// The name the links in place of name lead to, which may not exist; empty
// for a loop or a chain of links too long to follow.
QString followLinks(QString name) {
    for (int followed = 0; followed <= maximumLinks && !name.isEmpty(); ++followed) {
        struct stat status {};
        if (lstat(QFile::encodeName(name).constData(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return name;
        }
        name = linkTarget(name);
    }
    return {};
}

Failure failureOf(int error) {
    return error == ENOTDIR || error == ELOOP ? Failure::NotRegular : Failure::Unreadable;
}

// Reads what path leads to, opening nothing but a regular file, and that
// without waiting.
Contents readContents(const QString& path) {
    Contents contents;
    contents.target = followLinks(path);
    if (contents.target.isEmpty()) {
        contents.failure = Failure::NotRegular;
        return contents;
    }
    const QByteArray target = QFile::encodeName(contents.target);
    struct stat status {};
    if (stat(target.constData(), &status) != 0) {
        if (errno != ENOENT) {
            contents.failure = failureOf(errno);
        }
        return contents;
    }
    if (!S_ISREG(status.st_mode)) {
        contents.failure = Failure::NotRegular;
        return contents;
    }
    // A FIFO put in the file's place since stat is opened without waiting
    // for a writer, then refused as the open file is checked again.
    const int descriptor = open(target.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        contents.failure = failureOf(errno);
        return contents;
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(descriptor);
        contents.failure = Failure::Unreadable;
        return contents;
    }
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        contents.failure = Failure::NotRegular;
        return contents;
    }
    contents.bytes = file.read(maximumSize + 1);
    if (file.error() != QFileDevice::NoError || contents.bytes.size() > maximumSize) {
        contents.failure = Failure::Unreadable;
        return contents;
    }
    contents.exists = true;
    return contents;
}

// Hands use a QSettings on a private copy of bytes, where no one else's lock
// can stand in its way; returns the copy as use left it, or nothing when
// bytes are not in the INI format or the copy cannot be made.
std::optional<QByteArray> throughPrivateCopy(const QByteArray& bytes,
                                             const std::function<void(QSettings&)>& use) {
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        return std::nullopt;
    }
    const QString name = folder.filePath(QStringLiteral("settings.conf"));
    QFile copy(name);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() || !copy.flush()) {
        return std::nullopt;
    }
    copy.close();
    {
        QSettings settings(name, QSettings::IniFormat);
        if (settings.status() != QSettings::NoError) {
            return std::nullopt;
        }
        use(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            return std::nullopt;
        }
    }
    if (!copy.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return copy.readAll();
}

QString lineFor(Failure failure, const QString& path) {
    const QString quoted =
        QString::fromStdString(runtime::printable(QFile::encodeName(path).toStdString()));
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

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

QString SettingsFile::userPath(const QString& application) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + application + QLatin1Char('/') + application +
           QStringLiteral(".conf");
}

QVariantMap SettingsFile::read(const QString& group) {
    const Contents contents = readContents(path_);
    if (contents.failure != Failure::None) {
        report(lineFor(contents.failure, path_));
        return {};
    }
    QVariantMap values;
    if (!contents.exists) {
        return values;
    }
    const auto readGroup = [&](QSettings& settings) {
        settings.beginGroup(group);
        for (const QString& key : settings.childKeys()) {
            values.insert(key, settings.value(key));
        }
    };
    if (!throughPrivateCopy(contents.bytes, readGroup)) {
        report(lineFor(Failure::Unreadable, path_));
        return {};
    }
    return values;
}

bool SettingsFile::remember(const QString& group, const QVariantMap& values) {
    // Read again: another run may have changed the file since it was read.
    const Contents contents = readContents(path_);
    if (contents.failure != Failure::None) {
        report(lineFor(contents.failure, path_));
        return false;
    }
    const std::optional<QByteArray> changed =
        throughPrivateCopy(contents.bytes, [&](QSettings& settings) {
            settings.beginGroup(group);
            for (auto value = values.cbegin(); value != values.cend(); ++value) {
                settings.setValue(value.key(), value.value());
            }
        });
    if (!changed) {
        report(lineFor(Failure::Unreadable, path_));
        return false;
    }
    const QByteArray target = QFile::encodeName(contents.target);
    // A file its owner made read-only stays as it is, although its folder
    // would let a new file be renamed over it.
    if (contents.exists && access(target.constData(), W_OK) != 0) {
        report(lineFor(Failure::Unwritable, path_));
        return false;
    }
    if (!contents.exists) {
        QDir().mkpath(QFileInfo(contents.target).absolutePath());
    }
    QSaveFile file(contents.target);
    if (!file.open(QIODevice::WriteOnly) || file.write(*changed) != changed->size() ||
        !file.commit()) {
        report(lineFor(Failure::Unwritable, path_));
        return false;
    }
    return true;
}

void SettingsFile::report(const QString& line) {
    if (!reported_) {
        reported_ = true;
        std::cerr << line.toStdString() << '\n' << std::flush;
    }
}

} // namespace runtime::host
