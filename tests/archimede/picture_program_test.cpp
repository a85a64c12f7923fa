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
    Archimede(const std::vector<std::string>& arguments, std::optional<rlim_t> fileSizeLimit,
              const fs::path& workingDirectory = {}, std::optional<rlim_t> addressLimit = {}) {
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
            if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) {
                _exit(126);
            }
            dup2(pipeEnds[1], STDERR_FILENO);
            close(pipeEnds[0]);
            close(pipeEnds[1]);
            if (fileSizeLimit) {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{*fileSizeLimit, *fileSizeLimit};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            if (addressLimit) {
                const rlimit limit{*addressLimit, *addressLimit};
                setrlimit(RLIMIT_AS, &limit);
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

// A 10000 x 10000 PNG takes seconds, nearly all of them in the encoder: a
// signal once its temporary file is open ends the run at once, with 128 +
// the signal's number, as the shell would report the signal itself.
TEST_F(PictureProgram, SignalsDuringALongExportLeaveTheOldFile) {
    const struct {
        int signal;
        int status;
    } rows[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.signal);
        writeOld("grande.png");
        Archimede archimede({"4", "--disegno", path("grande.png"), "--dimensioni", "10000x10000"},
                            std::nullopt);
        while (!writesInto(archimede.pid(), directory)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            int status = 0;
            ASSERT_EQ(waitpid(archimede.pid(), &status, WNOHANG), 0) << "ended before the signal";
        }
        kill(archimede.pid(), row.signal);
        const Outcome run = archimede.wait();
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.err, "archimede: interrotto\n");
        EXPECT_EQ(contents(path("grande.png")), "OLD");
        EXPECT_EQ(names(), std::vector<std::string>{"grande.png"});
    }
}

// Qt does not survive every allocation that fails: under a limit of address
// space too small for the picture, the run is refused before drawing.
TEST_F(PictureProgram, RefusesAtOnceWhatTheAddressLimitCannotHold) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's shadow memory needs more than any such limit";
#endif
    writeOld("grande.png");
    const Outcome run =
        Archimede({"4", "--disegno", path("grande.png"), "--dimensioni", "10000x10000"},
                  std::nullopt, {}, rlim_t{300} << 20)
            .wait();
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.starts_with("archimede: Memoria insufficiente per '" + path("grande.png") +
                                    "': servono circa "))
        << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line";
    EXPECT_EQ(contents(path("grande.png")), "OLD");
}

// Names are read as the system reads them, from a current folder whose name
// is not UTF-8: folder links resolved, then the last name followed.
TEST_F(PictureProgram, ReadsNamesAsTheSystemDoes) {
    const fs::path here = directory / "caf\xe9";
    fs::create_directories(here / "altrove" / "fondo");
    fs::create_symlink("altrove/fondo", here / "sub");
    fs::create_symlink("s.svg", here / "s2.svg");
    fs::create_symlink("l2.svg", here / "l1.svg");
    fs::create_symlink("l1.svg", here / "l2.svg");
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string err;
        std::vector<const char*> written;
    } rows[] = {
        {{"4", "--disegno", "x.svg", "--grafico", "sub/../x.svg"},
         0,
         "",
         {"x.svg", "altrove/x.svg"}},
        {{"4", "--disegno", "s.svg", "--grafico", "s2.svg"},
         2,
         "archimede: --disegno e --grafico richiedono due file diversi, non 's2.svg' per entrambi. "
         "Vedere 'archimede --help'.\n",
         {}},
        {{"4", "--disegno", "l1.svg"},
         1,
         "archimede: Impossibile scrivere 'l1.svg': troppi collegamenti simbolici, forse in "
         "cerchio\n",
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.back());
        const Outcome run = Archimede(row.arguments, std::nullopt, here).wait();
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.err, row.err);
        for (const char* name : row.written) {
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(here / name))) << name;
            fs::remove(here / name);
        }
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(here / "s.svg")));
    EXPECT_TRUE(fs::is_symlink(here / "l1.svg"));
}

} // namespace
