#include "archimede/digits.hpp"

#include "archimede/progress.hpp"
#include "calc/machine_table.hpp"
#include "certified/certified_pi.hpp"
#include "runtime/printable.hpp"
#include "runtime/translatable.hpp"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <new>
#include <optional>
#include <string>
#include <string_view>

namespace archimede {
namespace {

// A text of archimede, marked with LAVORO1_TRANSLATABLE, in the user's language.
std::string text(const char* source) {
    return runtime::translated("archimede", source);
}

// Rewrites one line of standard error once a run has lasted a second: the
// steps done of those planned and the time left (RemainingTime). A plan
// started again, for a few digits more, starts its fit again.
class ProgressLine {
public:
    ProgressLine(std::ostream& err, bool enabled) : err_(err), enabled_(enabled) {}
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;
    ~ProgressLine() { clear(); }

    void show(std::int64_t done, std::int64_t total) {
        if (!enabled_) {
            return;
        }
        const auto now = Clock::now();
        if (done <= lastDone_) {
            pace_ = RemainingTime();
        } else {
            pace_.add(done, std::chrono::duration<double>(now - lastStep_).count());
        }
        lastDone_ = done;
        lastStep_ = now;
        if (now - start_ < std::chrono::seconds(1) ||
            (shown_ && now - lastShown_ < std::chrono::milliseconds(200))) {
            return;
        }
        line_ = runtime::filled(
            runtime::translated("archimede", "archimede: passo %1 di %2 (%3%)"),
            {std::to_string(done), std::to_string(total), std::to_string(100 * done / total)});
        if (const auto left = pace_.after(done, total)) {
            line_ += ", " + runtime::filled(runtime::translated("archimede", "mancano circa %1"),
                                            {durationText(*left)});
        }
        // Columns, not bytes: in Greek a line counted in bytes is wider than
        // the terminal, and the spaces that clear it wrap onto the next line.
        const std::size_t width = runtime::displayWidth(line_);
        width_ = std::max(width_, width);
        line_.append(width_ - width, ' ');
        draw();
        lastShown_ = now;
    }

    void clear() {
        if (shown_) {
            err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
            shown_ = false;
        }
    }

    // The line cleared for a row of standard output, written again under it.
    void redraw() {
        if (enabled_ && !shown_ && !line_.empty()) {
            draw();
        }
    }

private:
    void draw() {
        err_ << '\r' << line_ << std::flush;
        shown_ = true;
    }

    using Clock = std::chrono::steady_clock;
    std::ostream& err_;
    bool enabled_;
    bool shown_ = false;
    std::string line_;
    std::size_t width_ = 0; // in columns: the widest line shown
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_;
    Clock::time_point lastStep_ = start_;
    std::int64_t lastDone_ = 0;
    RemainingTime pace_;
};

// A bound with the locale's separator in place of its point, written in
// blocks: a million digits go out without another copy of them.
void writeNumber(std::ostream& out, std::string_view number, std::string_view decimalSeparator) {
    constexpr std::size_t block = 1 << 16;
    const auto point = number.find('.');
    if (point != std::string_view::npos) {
        out << number.substr(0, point) << decimalSeparator;
        number.remove_prefix(point + 1);
    }
    for (std::size_t at = 0; at < number.size(); at += block) {
        out << number.substr(at, block);
    }
}

// 6 * 2^(steps - 1), written out while it fits in 64 bits.
std::string sidesAfter(std::int64_t steps) {
    const std::int64_t doublings = steps - 1;
    std::string text = "6*2^" + std::to_string(doublings);
    if (doublings <= 60) {
        text += " = " + std::to_string(std::uint64_t{6} << doublings);
    }
    return text;
}

// For machines: passo, cifre and guadagno of each row, written as each step
// is proven.
class RaceData {
public:
    RaceData(std::ostream& out, calc::OutputFormat format) : table_(out, format, columns) {}

    void write(const certified::RaceRow& row) {
        table_.write({row.step, row.provenDigits, row.provenDigits - previous_});
        previous_ = row.provenDigits;
    }

    // Stopped, the rows proven are still written.
    void finish(bool complete) { table_.finish(complete); }

private:
    static constexpr std::string_view columns[] = {"passo", "cifre", "guadagno"};
    calc::MachineTable table_;
    int previous_ = 0;
};

// Passo, lati, cifre dimostrate and the digits gained over the step before,
// written as each step is proven, in columns as wide in characters as the
// heading and the planned last step need (a plan started again for a few
// digits more may go beyond).
class RaceTable {
public:
    RaceTable(std::ostream& out, std::int64_t plannedSteps, int digits) : out_(out) {
        const std::array<std::string, columns> names = {
            text(LAVORO1_TRANSLATABLE("archimede", "Passo")),
            text(LAVORO1_TRANSLATABLE("archimede", "Lati")),
            text(LAVORO1_TRANSLATABLE("archimede", "Cifre dimostrate")),
            text(LAVORO1_TRANSLATABLE("archimede", "Guadagno"))};
        const Cells widest = cellsOf(plannedSteps, digits, digits);
        for (std::size_t column = 0; column < columns; ++column) {
            widths_[column] = std::max(runtime::displayWidth(names[column]),
                                       runtime::displayWidth(widest[column]));
        }
        writeLine(names);
    }

    void write(const certified::RaceRow& row) {
        writeLine(cellsOf(row.step, row.provenDigits, row.provenDigits - previous_));
        previous_ = row.provenDigits;
    }

private:
    static constexpr std::size_t columns = 4;
    using Cells = std::array<std::string, columns>;

    static Cells cellsOf(std::int64_t step, int provenDigits, int gain) {
        const std::int64_t doublings = step - 1;
        return {std::to_string(step),
                doublings <= 60 ? std::to_string(std::uint64_t{6} << doublings)
                                : "6*2^" + std::to_string(doublings),
                std::to_string(provenDigits), std::to_string(gain)};
    }

    void writeLine(const Cells& cells) {
        for (std::size_t column = 0; column < columns; ++column) {
            const std::string& cell = cells[column];
            const std::size_t width = runtime::displayWidth(cell);
            out_ << (column == 0 ? "" : "  ")
                 << std::string(widths_[column] - std::min(widths_[column], width), ' ') << cell;
        }
        out_ << '\n';
    }

    std::ostream& out_;
    std::array<std::size_t, columns> widths_{};
    int previous_ = 0;
};

// "archimede: memoria insufficiente per N cifre", with the table or not.
std::string outOfMemoryLine(const Options& options) {
    return runtime::filled(
        options.table
            ? text(LAVORO1_TRANSLATABLE(
                  "archimede", "archimede: memoria insufficiente per %1 cifre con la tabella"))
            : text(LAVORO1_TRANSLATABLE("archimede",
                                        "archimede: memoria insufficiente per %1 cifre")),
        {std::to_string(options.digits)});
}

// The rows of --tabella, each as its step is proven; the progress line steps
// aside for them where both go to the terminal.
void writeRaceTable(const Options& options, std::ostream& out, const Environment& environment,
                    ProgressLine& progress, const certified::StepObserver& observer) {
    std::optional<RaceTable> table;
    std::optional<RaceData> data;
    if (options.format == calc::OutputFormat::Text) {
        table.emplace(out, certified::planFor(options.method, options.digits).steps,
                      options.digits);
    } else {
        data.emplace(out, options.format);
    }
    const auto write = [&](const certified::RaceRow& row) {
        if (table) {
            table->write(row);
        } else {
            data->write(row);
        }
    };
    try {
        certified::race(
            options.method, options.digits,
            [&](const certified::RaceRow& row) {
                if (!environment.resultsOnTerminal) {
                    write(row);
                    return;
                }
                progress.clear();
                write(row);
                out.flush();
                progress.redraw();
            },
            observer);
    } catch (const Interrupted&) {
        progress.clear();
        if (data) {
            data->finish(false);
        }
        throw;
    }
    progress.clear();
    if (data) {
        data->finish(true);
    }
}

void writeBounds(const certified::Bounds& bounds, std::ostream& out, const Environment& environment,
                 ProgressLine& progress) {
    progress.clear();
    out << text(LAVORO1_TRANSLATABLE("archimede", "Numero iterazioni: ")) << bounds.plan.steps
        << '\n'
        << sidesCaptionText() << sidesAfter(bounds.plan.steps) << '\n';
    if (bounds.plan.method == certified::Method::Richardson) {
        out << text(LAVORO1_TRANSLATABLE("archimede", "Profondità dell'estrapolazione: "))
            << bounds.plan.depth << '\n';
    }
    writeNumber(out, bounds.lower, environment.decimalSeparator);
    out << betweenBoundsText();
    writeNumber(out, bounds.upper, environment.decimalSeparator);
    out << '\n';
}

} // namespace

int runDigits(const Options& options, std::ostream& out, std::ostream& err,
              const Environment& environment) {
    const std::string outOfMemory = outOfMemoryLine(options);
    constexpr std::uint64_t megabyte = 1 << 20;
    if (const std::uint64_t needed =
            certified::memoryNeeded(options.method, options.digits, options.table);
        needed > environment.memoryAvailable) {
        err << runtime::filled(text(LAVORO1_TRANSLATABLE(
                                   "archimede", "%1 (servono almeno %2 MB, disponibili %3 MB)")),
                               {outOfMemory, std::to_string((needed + megabyte - 1) / megabyte),
                                std::to_string(environment.memoryAvailable / megabyte)})
            << '\n';
        return exitFailed;
    }
    if (environment.endOnAllocationFailure) {
        environment.endOnAllocationFailure((environment.progressOnTerminal ? "\n" : "") +
                                           outOfMemory + '\n');
    }
    ProgressLine progress(err, environment.progressOnTerminal);
    const certified::StepObserver observer = [&](std::int64_t done, std::int64_t total) {
        stopIfInterrupted(environment);
        progress.show(done, total);
    };
    try {
        if (options.table) {
            writeRaceTable(options, out, environment, progress, observer);
        } else {
            writeBounds(certified::certifyPi(options.method, options.digits, observer), out,
                        environment, progress);
        }
        return exitSuccess;
    } catch (const std::bad_alloc&) {
        progress.clear();
        err << outOfMemory << '\n';
        return exitFailed;
    }
}

} // namespace archimede
