// The built archimede writing pictures where writing fails or is stopped: on
// a full disk, over what is not a file, and under Ctrl+C. Whatever happens,
// the file that was there stays byte for byte and nothing else is left.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string err;
};

// A child running archimede with arguments, its standard error read to the
// end; with fileSizeLimit, the file system refuses to grow a file beyond that
// many bytes, as a full disk does, and SIGXFSZ is ignored so that the write
// itself fails.
class Archimede {
public:
    Archimede(const std::vector<std::string>& arguments, std::optional<rlim_t> fileSizeLimit) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            ADD_FAILURE() << "pipe";
            return;
        }
        std::vector<char*> argv;
        static char program[] = LAVORO1_ARCHIMEDE;
        argv.push_back(program);
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(pipeEnds[1], STDERR_FILENO);
            close(pipeEnds[0]);
            close(pipeEnds[1]);
            if (fileSizeLimit) {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{*fileSizeLimit, *fileSizeLimit};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            setenv("LANGUAGE", "it", 1); // the messages below are the Italian ones
            execv(program, argv.data());
            _exit(127);
        }
        close(pipeEnds[1]);
        err_ = pipeEnds[0];
    }

    pid_t pid() const { return pid_; }

    Outcome wait() {
        Outcome outcome;
        char buffer[4096];
        for (ssize_t read = 0; (read = ::read(err_, buffer, sizeof buffer)) > 0;) {
            outcome.err.append(buffer, static_cast<std::size_t>(read));
        }
        close(err_);
        int status = 0;
        waitpid(pid_, &status, 0);
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return outcome;
    }

private:
    pid_t pid_ = -1;
    int err_ = -1;
};

// Whether process holds a file open in directory: QSaveFile's temporary
// file, unnamed (O_TMPFILE) where the file system allows it.
bool writesInto(pid_t process, const fs::path& directory) {
    std::error_code error;
    for (const fs::directory_entry& descriptor :
         fs::directory_iterator("/proc/" + std::to_string(process) + "/fd", error)) {
        const fs::path target = fs::read_symlink(descriptor.path(), error);
        if (!error && target.parent_path() == directory) {
            return true;
        }
    }
    return false;
}

class PictureProgram : public ::testing::Test {
protected:
    void SetUp() override {
        directory = fs::temp_directory_path() /
                    ("archimede-" + std::to_string(getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(directory);
    }
    void TearDown() override { fs::remove_all(directory); }

    std::string path(const std::string& name) const { return (directory / name).string(); }

    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
            found.push_back(entry.path().filename().string());
        }
        return found;
    }

    void writeOld(const std::string& name) const { std::ofstream(path(name)) << "OLD"; }

    fs::path directory;
};

TEST_F(PictureProgram, OnAFullDiskKeepsTheOldFileAndSaysWhyInOneLine) {
    for (const char* name : {"vecchio.svg", "vecchio.png", "vecchio.pdf"}) {
        SCOPED_TRACE(name);
        writeOld(name);
        for (const char* option : {"--disegno", "--grafico"}) {
            SCOPED_TRACE(option);
            const Outcome run = Archimede({"4", option, path(name)}, 2048).wait();
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.err, "archimede: Impossibile scrivere '" + path(name) +
                                   "': file oltre la dimensione massima consentita\n");
            EXPECT_EQ(contents(path(name)), "OLD");
            EXPECT_EQ(names(), std::vector<std::string>{name}) << "no partial file left";
        }
        fs::remove(path(name));
    }
}

TEST_F(PictureProgram, RefusesToWriteOverADevice) {
    fs::create_symlink("/dev/full", path("pieno.svg"));
    const Outcome run = Archimede({"4", "--disegno", path("pieno.svg")}, std::nullopt).wait();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "archimede: Impossibile scrivere '" + path("pieno.svg") +
                           "': non è un file ordinario\n");
    EXPECT_EQ(fs::read_symlink(path("pieno.svg")), "/dev/full");
}

TEST_F(PictureProgram, WritesUnderExactlyTheNameGiven) {
    const Outcome run = Archimede({"4", "--disegno", path("città.svg")}, std::nullopt).wait();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(names(), std::vector<std::string>{"città.svg"});
}

// A 10000 x 10000 PNG takes seconds, nearly all of them in the encoder:
// Ctrl+C once its temporary file is open ends the run at once.
TEST_F(PictureProgram, CtrlCDuringALongExportEndsWith130AndLeavesTheOldFile) {
    writeOld("grande.png");
    Archimede archimede({"4", "--disegno", path("grande.png"), "--dimensioni", "10000x10000"},
                        std::nullopt);
    while (!writesInto(archimede.pid(), directory)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        int status = 0;
        ASSERT_EQ(waitpid(archimede.pid(), &status, WNOHANG), 0) << "ended before Ctrl+C";
    }
    kill(archimede.pid(), SIGINT);
    const Outcome run = archimede.wait();
    EXPECT_EQ(run.status, 130);
    EXPECT_EQ(run.err, "archimede: interrotto\n");
    EXPECT_EQ(contents(path("grande.png")), "OLD");
    EXPECT_EQ(names(), std::vector<std::string>{"grande.png"});
}

} // namespace
