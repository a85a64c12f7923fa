#include "runtime/file_target.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Kind = runtime::FileTarget::Kind;

// A folder of links laid out in every way a picture's name can lead, made
// the current folder under a name that is not UTF-8.
class FileTargets : public ::testing::Test {
protected:
    void SetUp() override {
        previous = fs::current_path();
        root = fs::temp_directory_path() / ("file-target-" + std::to_string(getpid()));
        here = root / "caf\xe9";
        fs::create_directories(here / "elsewhere" / "deep");
        fs::create_directory(here / "folder.svg");
        std::ofstream(here / "old.svg") << "old";
        fs::create_symlink("elsewhere/deep", here / "sub");
        fs::create_symlink("new.svg", here / "link-to-new.svg");
        fs::create_symlink("sub/../old.svg", here / "link-through-sub.svg");
        fs::create_symlink("loop2.svg", here / "loop1.svg");
        fs::create_symlink("loop1.svg", here / "loop2.svg");
        fs::create_symlink("/dev/null", here / "device.svg");
        fs::create_symlink("missing/deeper/x.svg", here / "link-to-missing.svg");
        fs::current_path(here);
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(root);
    }

    fs::path previous;
    fs::path root;
    fs::path here;
};

TEST_F(FileTargets, AreWhatTheSystemWouldWrite) {
    const fs::path realHere = fs::canonical(here);
    const struct {
        const char* name;
        fs::path folder;
        const char* file;
        Kind kind;
    } rows[] = {
        {"new.svg", realHere, "new.svg", Kind::New},
        {"./old.svg", realHere, "old.svg", Kind::Regular},
        {"link-to-new.svg", realHere, "new.svg", Kind::New},
        {"sub/../x.svg", realHere / "elsewhere", "x.svg", Kind::New},
        {"link-through-sub.svg", realHere / "elsewhere", "old.svg", Kind::New},
        {"folder.svg", realHere, "folder.svg", Kind::Folder},
        {"device.svg", "/dev", "null", Kind::Other},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const runtime::FileTarget target = runtime::resolveFileTarget(row.name);
        EXPECT_EQ(target.error, 0);
        EXPECT_EQ(target.folder, row.folder);
        EXPECT_EQ(target.name, row.file);
        EXPECT_EQ(target.kind, row.kind);
    }
}

TEST_F(FileTargets, LeadingNowhereGiveTheSystemsReason) {
    const struct {
        const char* name;
        int error;
        fs::path missingFolder; // as the links led to it
    } rows[] = {
        {"loop1.svg", ELOOP, ""},
        {"missing/x.svg", ENOENT, "missing"},
        {"link-to-missing.svg", ENOENT, fs::canonical(here) / "missing/deeper"},
        {"old.svg/x.svg", ENOTDIR, ""},
        {"sub/", EISDIR, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const runtime::FileTarget target = runtime::resolveFileTarget(row.name);
        EXPECT_EQ(target.error, row.error);
        EXPECT_TRUE(target.path().empty());
        EXPECT_EQ(target.missingFolder, row.missingFolder);
    }
}

// What a writer found, then something else put in its place: renamed over
// only while it is the file found, or with nothing found a regular file.
TEST_F(FileTargets, AreReplacedOnlyWhileStillWhatWasFound) {
    struct stat old {};
    ASSERT_EQ(stat("old.svg", &old), 0);
    std::ofstream("other.svg") << "other";
    ASSERT_EQ(mkfifo("fifo.svg", 0600), 0);
    const int folder = open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    const struct {
        const char* name;
        const struct stat* found;
        bool replaceable;
    } rows[] = {
        {"old.svg", &old, true},        {"other.svg", &old, false},
        {"new.svg", &old, false},       {"link-to-new.svg", &old, false},
        {"other.svg", nullptr, true},   {"new.svg", nullptr, true},
        {"fifo.svg", nullptr, false},   {"device.svg", nullptr, false},
        {"folder.svg", nullptr, false}, {"link-through-sub.svg", nullptr, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(runtime::stillReplaceable(folder, row.name, row.found), row.replaceable);
    }
    close(folder);
}

} // namespace
