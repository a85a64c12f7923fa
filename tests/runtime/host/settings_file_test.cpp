#include "runtime/host/settings_file.hpp"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <utility>

// Maps in failure messages as {key=value, ...}.
QT_BEGIN_NAMESPACE
void PrintTo(const QVariantMap& map, std::ostream* out) {
    *out << '{';
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
        *out << entry.key().toStdString() << '=' << entry.value().toString().toStdString() << ", ";
    }
    *out << '}';
}
QT_END_NAMESPACE

namespace {

using runtime::host::SettingsFile;

const QByteArray otherKeys = "[Altro]\nchiave=1\n\n[Esplora]\naltra=2\nstep=7\n";

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// What a name holds, links not followed, then what it leads to: the type of
// each and a regular file's bytes.
std::string heldAt(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (lstat(name.constData(), &status) != 0) {
        return "nothing";
    }
    std::string held = std::to_string(status.st_mode & S_IFMT);
    if (S_ISLNK(status.st_mode)) {
        held +=
            " -> " + (stat(name.constData(), &status) == 0 ? std::to_string(status.st_mode & S_IFMT)
                                                           : std::string("nothing"));
    }
    QFile file(path);
    if (S_ISREG(status.st_mode) && file.open(QIODevice::ReadOnly)) {
        held += ": " + file.readAll().toStdString();
    }
    return held;
}

struct PathKind {
    const char* name;
    // Puts the kind at path, in its folder under home.
    std::function<void(const QDir& home, const QString& path)> make;
    bool remembered;          // whether the file takes the new values
    bool keepsOtherKeys;      // and keeps the other keys it had
    bool nonRootOnly = false; // permissions do not stop root
};

// Whatever the settings file's name holds, reading and remembering end (a
// hang is the test's timeout), say at most one line, and either write the
// file keeping what else it held or leave what is there exactly as it was.
TEST(SettingsFile, ReplacesOnlyARegularFileAndSaysOnceWhyNot) {
    const auto folder = [](const QString& path) { QDir().mkpath(QFileInfo(path).absolutePath()); };
    const auto regular = [&](const QString& path, const QByteArray& bytes) {
        folder(path);
        writeFile(path, bytes);
    };
    const auto link = [&](const QString& target, const QString& path) {
        folder(path);
        ASSERT_TRUE(QFile::link(target, path));
    };
    const auto fifo = [](const QString& path) {
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    };
    const PathKind kinds[] = {
        {"nothing, not even the folder", [](const QDir&, const QString&) {}, true, false},
        {"a regular file", [&](const QDir&, const QString& path) { regular(path, otherKeys); },
         true, true},
        {"a link to a regular file",
         [&](const QDir& home, const QString& path) {
             regular(home.filePath("vero.conf"), otherKeys);
             link("../vero.conf", path);
         },
         true, true},
        {"a link up from a folder that is a link itself",
         [&](const QDir& home, const QString& path) {
             regular(home.filePath("altrove/vero.conf"), otherKeys);
             QDir().mkpath(home.filePath("altrove/Lavoro1"));
             ASSERT_TRUE(QFile::link("altrove/Lavoro1", home.filePath("Lavoro1")));
             ASSERT_TRUE(QFile::link("../vero.conf", path));
         },
         true, true},
        {"a link to nothing yet",
         [&](const QDir&, const QString& path) { link("altrove.conf", path); }, true, false},
        {"a regular file beside a lock that is a folder",
         [&](const QDir&, const QString& path) {
             regular(path, otherKeys);
             QDir().mkpath(path + ".lock");
         },
         true, true},
        {"a FIFO",
         [&](const QDir&, const QString& path) {
             folder(path);
             fifo(path);
         },
         false, false},
        {"a link to a FIFO",
         [&](const QDir& home, const QString& path) {
             fifo(home.filePath("fifo"));
             link("../fifo", path);
         },
         false, false},
        {"a folder", [](const QDir&, const QString& path) { QDir().mkpath(path); }, false, false},
        {"a loop of links",
         [&](const QDir&, const QString& path) {
             link("anello.conf", path);
             link("Lavoro1.conf", QFileInfo(path).dir().filePath("anello.conf"));
         },
         false, false},
        {"a section never closed",
         [&](const QDir&, const QString& path) { regular(path, "[Esplora\nstep=7\n"); }, false,
         false},
        {"a regular file of 2 MiB",
         [&](const QDir&, const QString& path) { regular(path, QByteArray(2 << 20, 'x')); }, false,
         false},
        {"an unreadable file",
         [&](const QDir&, const QString& path) {
             regular(path, otherKeys);
             QFile::setPermissions(path, {});
         },
         false, false, true},
        {"a read-only file, to root too",
         [&](const QDir&, const QString& path) {
             regular(path, otherKeys);
             QFile::setPermissions(path, QFileDevice::ReadOwner);
         },
         false, false},
        {"a read-only folder with a stale lock",
         [&](const QDir&, const QString& path) {
             regular(path, otherKeys);
             writeFile(path + ".lock", "999999\nlavoro1-esplora\n\n");
             QFile::setPermissions(QFileInfo(path).absolutePath(),
                                   QFileDevice::ReadOwner | QFileDevice::ExeOwner);
         },
         false, false, true},
    };
    const QByteArray geometry("\x01\n\xff", 3);
    const QVariantMap values = {{"step", 9}, {"geometry", geometry}};
    for (const PathKind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        if (kind.nonRootOnly && geteuid() == 0) {
            continue;
        }
        const QTemporaryDir home;
        const QString path = home.filePath("Lavoro1/Lavoro1.conf");
        kind.make(QDir(home.path()), path);
        const std::string before = heldAt(path);

        testing::internal::CaptureStderr();
        SettingsFile file(QFile::encodeName(path));
        file.read("Esplora");
        const bool written = file.remember("Esplora", values);
        file.read("Esplora");
        const std::string said = testing::internal::GetCapturedStderr();
        QFile::setPermissions(QFileInfo(path).absolutePath(), QFileDevice::ReadOwner |
                                                                  QFileDevice::WriteOwner |
                                                                  QFileDevice::ExeOwner);

        EXPECT_EQ(written, kind.remembered);
        if (!kind.remembered) {
            EXPECT_EQ(heldAt(path), before) << "what was there is left as it was";
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
            EXPECT_NE(said.find("La disposizione della finestra non viene ricordata: '" +
                                path.toStdString() + "'"),
                      std::string::npos)
                << said;
            continue;
        }
        EXPECT_EQ(said, "");
        EXPECT_EQ(heldAt(path).find(" -> ") != std::string::npos,
                  before.find(" -> ") != std::string::npos)
            << "a link stays a link";
        SettingsFile again(QFile::encodeName(path));
        QVariantMap expected = {{"step", "9"}, {"geometry", geometry}};
        if (kind.keepsOtherKeys) {
            expected.insert("altra", "2");
            EXPECT_EQ(again.read("Altro"), (QVariantMap{{"chiave", "1"}}));
        }
        EXPECT_EQ(again.read("Esplora"), expected);
    }
}

// An environment variable set while it lives.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name), previous_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;
    ~ScopedVariable() { wasSet_ ? qputenv(name_, previous_) : qunsetenv(name_); }

private:
    const char* name_;
    QByteArray previous_;
    bool wasSet_;
};

// Names in bytes, which a QString would not keep when they are not UTF-8.
void writeBytes(const QByteArray& path, const QByteArray& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes.toStdString();
}

// The settings need no temporary folder: a full, read-only or missing one,
// common on shared machines, neither loses them nor keeps them from a save.
TEST(SettingsFile, ReadsAndRemembersWhateverTmpdirIs) {
    const QTemporaryDir home;
    const QByteArray folder = QFile::encodeName(home.path());
    writeBytes(folder + "/file", "x");
    ASSERT_EQ(mkdir((folder + "/read-only").constData(), 0500), 0);
    for (const char* row : {"/file", "/missing", "/read-only"}) {
        SCOPED_TRACE(row);
        const QByteArray path = folder + "/Lavoro1.conf";
        writeBytes(path, otherKeys);
        testing::internal::CaptureStderr();
        {
            const ScopedVariable tmpdir("TMPDIR", folder + row);
            SettingsFile file(path);
            EXPECT_EQ(file.read("Esplora").value("step").toString(), "7");
            EXPECT_TRUE(file.remember("Esplora", {{"step", 9}}));
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(SettingsFile(path).read("Esplora"), (QVariantMap{{"altra", "2"}, {"step", "9"}}));
    }
}

// A save replaces the file by a copy that keeps its owner (root may save
// another user's file) and its permissions.
TEST(SettingsFile, KeepsTheFilesOwnerAndPermissions) {
    const QTemporaryDir home;
    const QByteArray path = QFile::encodeName(home.filePath("Lavoro1.conf"));
    writeBytes(path, otherKeys);
    ASSERT_EQ(chmod(path.constData(), 0640), 0);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(path.constData(), 65534, 65534), 0);
    }
    struct stat before {};
    struct stat after {};
    ASSERT_EQ(stat(path.constData(), &before), 0);
    EXPECT_TRUE(SettingsFile(path).remember("Esplora", {{"step", 9}}));
    ASSERT_EQ(stat(path.constData(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced, not written in place";
    EXPECT_EQ(std::tuple(after.st_uid, after.st_gid, after.st_mode),
              std::tuple(before.st_uid, before.st_gid, before.st_mode));
}

// Names are bytes: $XDG_CONFIG_HOME and a link's target that are not UTF-8
// lead to the file they name, never to a new one with U+FFFD in its name.
TEST(SettingsFile, FollowsNamesThatAreNotUtf8) {
    const QTemporaryDir home;
    const QByteArray config = QFile::encodeName(home.path()) + "/config\xff";
    const ScopedVariable configHome("XDG_CONFIG_HOME", config);
    // QTemporaryDir, which names files in text, cannot remove these.
    const struct Removed {
        std::string folder;
        ~Removed() {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    } removed{config.toStdString()};
    const QByteArray path = SettingsFile::userPath("Lavoro1");
    ASSERT_EQ(path, config + "/Lavoro1/Lavoro1.conf");
    ASSERT_TRUE(std::filesystem::create_directories(std::string(config + "/Lavoro1")));
    writeBytes(config + "/Lavoro1/vero\xfe.conf", otherKeys);
    ASSERT_EQ(symlink("vero\xfe.conf", path.constData()), 0);

    SettingsFile file(path);
    EXPECT_EQ(file.read("Esplora").value("step").toString(), "7");
    EXPECT_TRUE(file.remember("Esplora", {{"step", 9}}));
    EXPECT_EQ(SettingsFile(config + "/Lavoro1/vero\xfe.conf").read("Esplora"),
              (QVariantMap{{"altra", "2"}, {"step", "9"}}));
    const std::filesystem::directory_iterator entries(std::string(config + "/Lavoro1"));
    EXPECT_EQ(std::distance(begin(entries), end(entries)), 2) << "the link and its file alone";
}

// A value that, as QSettings writes it, puts something else in the settings
// file's place, as another program may between the read and the save.
struct Swap {
    std::function<void()> swap;
};

QDataStream& operator<<(QDataStream& out, const Swap& value) {
    value.swap();
    return out;
}

QDataStream& operator>>(QDataStream& in, Swap&) {
    return in;
}

// The name is replaced only while it leads to the file read: what was put in
// its place since stays, and is read again when it is a regular file.
TEST(SettingsFile, ReplacesOnlyTheFileItRead) {
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "a FIFO" : "another run's save");
        const QTemporaryDir home;
        const QByteArray path = QFile::encodeName(home.filePath("Lavoro1.conf"));
        const QByteArray other = QFile::encodeName(home.filePath("altro"));
        writeBytes(path, otherKeys);
        bool swapped = false;
        const Swap swap{[&] {
            if (!std::exchange(swapped, true)) {
                if (fifo) {
                    mkfifo(other.constData(), 0600);
                } else {
                    writeBytes(other, "[Esplora]\naltra=3\n");
                }
                rename(other.constData(), path.constData());
            }
        }};

        testing::internal::CaptureStderr();
        const bool written = SettingsFile(path).remember(
            "Esplora", {{"step", 9}, {"swap", QVariant::fromValue(swap)}});
        const std::string said = testing::internal::GetCapturedStderr();
        ASSERT_TRUE(swapped);
        EXPECT_EQ(written, !fifo);
        if (fifo) {
            EXPECT_EQ(heldAt(QFile::decodeName(path)), std::to_string(S_IFIFO)) << said;
        } else {
            EXPECT_EQ(said, "");
            EXPECT_EQ(SettingsFile(path).read("Esplora").value("altra").toString(), "3");
        }
    }
}

} // namespace
