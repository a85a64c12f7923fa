#include "archimede/pictures.hpp"

#include "calc/pictures.hpp"
#include "calc/step_rows.hpp"
#include "pictures/convergence_chart.hpp"
#include "pictures/pictures.hpp"
#include "pictures/polygon_scene.hpp"
#include "runtime/printable.hpp"
#include "runtime/translatable.hpp"

#include <QApplication>
#include <QFile>

#include <atomic>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <unistd.h>

namespace archimede {
namespace {

// What a Ctrl+C must undo, read by abandonPictures() in a signal handler:
// whether pictures are being written, and the temporary file of the current
// one. QSaveFile keeps that file's name to itself; the kernel tells it from
// the descriptor. Where the file system allows, the file has no name
// (O_TMPFILE) and goes with the process: nothing to remove.
volatile std::sig_atomic_t writingPictures = 0;
volatile std::sig_atomic_t temporaryFileKnown = 0;
char temporaryFile[PATH_MAX];

void rememberTemporaryFile(int descriptor) {
    temporaryFileKnown = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    const std::string link = "/proc/self/fd/" + std::to_string(descriptor);
    const ssize_t length = readlink(link.c_str(), temporaryFile, sizeof temporaryFile - 1);
    if (length <= 0) {
        return;
    }
    temporaryFile[length] = '\0';
    if (std::string_view(temporaryFile, static_cast<std::size_t>(length)).ends_with(" (deleted)")) {
        return;
    }
    std::atomic_signal_fence(std::memory_order_seq_cst);
    temporaryFileKnown = 1;
}

void forgetTemporaryFile() {
    temporaryFileKnown = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
}

// Qt's notes about the offscreen platform (no runtime directory, no window
// manager) are not archimede's to report: its standard error carries only
// its own messages. A fatal error of Qt (no platform plugin, no event
// dispatcher) would abort: the run ends as any other failure, with status 1,
// the temporary file removed and the error's first line.
void dropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    } else if (type == QtFatalMsg) {
        abandonPictures();
        std::fprintf(
            stderr, "archimede: %s\n",
            runtime::printable(message.section(QLatin1Char('\n'), 0, 0).toStdString()).c_str());
        std::fflush(stderr);
        _exit(exitFailed);
    }
}

// Under a limit of address space (ulimit -v), what drawing a picture maps
// beyond what the program has mapped before Qt starts: Qt's application,
// fonts and painting, measured at under 8 MiB for SVG and PNG and under
// 40 MiB for PDF, with room to spare; and a PNG's pixels, 4 bytes each.
// Qt does not survive every allocation that fails: a run that cannot have
// this much is refused before it starts.
constexpr std::uint64_t mebibyte = 1024 * 1024;

std::uint64_t addressSpaceNeeded(const PictureRequest& request) {
    switch (calc::pictureFormatOf(request.path).value_or(calc::PictureFormat::Svg)) {
    case calc::PictureFormat::Svg:
        return 16 * mebibyte;
    case calc::PictureFormat::Png:
        return 16 * mebibyte + std::uint64_t{4} * static_cast<std::uint64_t>(request.width) *
                                   static_cast<std::uint64_t>(request.height);
    case calc::PictureFormat::Pdf:
        return 64 * mebibyte;
    }
    return 0;
}

// The line refusing requests under the current limit, or an empty string.
std::string refusalUnderAddressLimit(const std::vector<PictureRequest>& requests) {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return {};
    }
    std::uint64_t mappedPages = 0;
    if (!(std::ifstream("/proc/self/statm") >> mappedPages)) {
        return {};
    }
    const std::uint64_t mapped = mappedPages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
    for (const PictureRequest& request : requests) {
        const std::uint64_t needed = mapped + addressSpaceNeeded(request);
        if (needed > limit.rlim_cur) {
            return runtime::filled(
                runtime::translated("archimede",
                                    "Memoria insufficiente per '%1': servono circa %2 MiB, il "
                                    "limite (ulimit -v) è di %3 MiB"),
                {request.path, std::to_string((needed + mebibyte - 1) / mebibyte),
                 std::to_string(limit.rlim_cur / mebibyte)});
        }
    }
    return {};
}

} // namespace

bool abandonPictures() noexcept {
    if (writingPictures == 0) {
        return false;
    }
    std::atomic_signal_fence(std::memory_order_seq_cst);
    if (temporaryFileKnown != 0) {
        unlink(temporaryFile);
    }
    return true;
}

std::string writePicturesOffscreen(const std::vector<PictureRequest>& requests) {
    if (std::string refusal = refusalUnderAddressLimit(requests); !refusal.empty()) {
        return refusal;
    }
    writingPictures = 1;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler previous = qInstallMessageHandler(dropQtNotes);
    static char programName[] = "archimede";
    static char* arguments[] = {programName, nullptr};
    int argumentCount = 1;
    QApplication application(argumentCount, arguments);

    std::string error;
    for (const PictureRequest& request : requests) {
        // The name as the file system holds it: archimede's options let
        // through only valid UTF-8, which Qt turns back into the same bytes.
        const QString path = QFile::decodeName(request.path.c_str());
        if (QFile::encodeName(path).toStdString() != request.path) {
            error = runtime::filled(
                runtime::translated("archimede", "Impossibile scrivere '%1': nome non in UTF-8"),
                {request.path});
            break;
        }
        const QSize size(request.width, request.height);
        QString failed;
        if (request.kind == PictureRequest::Kind::Drawing) {
            failed = pictures::writeDrawing(path, request.step, size, request.decimalSeparator,
                                            rememberTemporaryFile);
        } else {
            // The same chart as the window's: all 500 rows, steps 1 to step shown.
            const std::vector<calc::StepRow> rows = calc::stepRows(calc::maximumSteps);
            const std::unique_ptr<pictures::ConvergenceChart> chart =
                pictures::makeConvergenceChart(rows);
            chart->setShownSteps(request.step);
            failed = pictures::writeChart(path, *chart, size, rememberTemporaryFile);
        }
        forgetTemporaryFile();
        if (!failed.isEmpty()) {
            error = failed.toStdString();
            break;
        }
    }
    qInstallMessageHandler(previous);
    writingPictures = 0;
    return error;
}

} // namespace archimede
