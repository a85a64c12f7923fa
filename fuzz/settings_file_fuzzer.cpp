// The settings file holding arbitrary bytes (inputs stay under the largest
// file read, a megabyte). Whatever it holds, reading it ends, and remembering
// a step either writes exactly the file QSettings itself writes when it sets
// the step in a regular file holding those bytes, keeping what it keeps, or,
// exactly when QSettings finds the bytes are not INI (as it reads or as it
// writes), leaves them untouched.

#include "runtime/host/settings_file.hpp"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "settings_file: %s\n", what);
        std::abort();
    }
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    check(file.open(QIODevice::ReadOnly), "the file cannot be read back");
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
          "the input cannot be written");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    // QSettings keeps what it parsed by name: each file has a name of its own.
    static unsigned long long inputs = 0;
    ++inputs;
    const QString path = folder.filePath(QStringLiteral("%1.conf").arg(inputs));
    const QString reference = folder.filePath(QStringLiteral("%1-qsettings.conf").arg(inputs));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    writeFile(path, bytes);
    writeFile(reference, bytes);
    bool readable = false;
    {
        // Some faults QSettings finds only as it writes, having dropped lines.
        QSettings settings(reference, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Esplora/step"), 9);
        settings.sync();
        readable = settings.status() == QSettings::NoError;
    }

    runtime::host::SettingsFile settings(QFile::encodeName(path));
    settings.read(QStringLiteral("Esplora"));
    const bool written =
        settings.remember(QStringLiteral("Esplora"), {{QStringLiteral("step"), 9}});
    check(written == readable, "written although unreadable, or not written although readable");
    if (written) {
        check(contentsOf(path) == contentsOf(reference), "not written as QSettings writes it");
    } else {
        check(contentsOf(path) == bytes, "a file not written was changed");
    }
    QFile::remove(path);
    QFile::remove(reference);
    return 0;
}
