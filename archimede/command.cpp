#include "archimede/command.hpp"

#include "archimede/options.hpp"
#include "archimede/progress.hpp"
#include "calc/compute_command.hpp"
#include "calc/step_rows.hpp"
#include "certified/certified_pi.hpp"
#include "lavoro1/project_info.hpp"
#include "runtime/conversions.hpp"
#include "runtime/errors.hpp"
#include "runtime/printable.hpp"
#include "runtime/translatable.hpp"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace archimede {

std::string interruptedLine() {
    return runtime::translated("archimede", "archimede: interrotto");
}

namespace {

// A text of archimede, marked with LAVORO1_TRANSLATABLE, in the user's language.
std::string text(const char* source) {
    return runtime::translated("archimede", source);
}

constexpr const char* helpText = LAVORO1_TRANSLATABLE(
    "archimede", R"(Uso: archimede PASSI [--tabella] [--formato testo|csv|json] [--esatto]
     archimede PASSI [--disegno FILE] [--grafico FILE] [--dimensioni LxA]
     archimede --cifre N [--metodo M] [--tabella [--formato F]]
     archimede --help | --version

Limiti per pi greco con il metodo di Archimede. Dall'esagono inscritto nel
cerchio di raggio 1, ogni passo raddoppia i lati; i semiperimetri dei poligoni
inscritto e circoscritto stanno sotto e sopra pi greco.

  PASSI          numero di passi da 1 a 500, letto come nella finestra: il
                 punto separa i decimali e si arrotonda al pari (500.5 vale 500)
  --tabella      una riga per ogni passo da 1 a PASSI: passo, lati dei
                 poligoni, limite inferiore, limite superiore, differenza.
                 Con --cifre, una riga per poligono: passo, lati, cifre
                 dimostrate (i decimali su cui i due estremi
                 dell'intervallo concordano) e guadagno rispetto al passo
                 precedente
  --formato F    testo (predefinito), csv o json. Il testo usa i formati della
                 finestra e il separatore decimale della lingua dell'utente;
                 csv e json usano il punto e 17 cifre significative, che si
                 rileggono nello stesso numero binary64. Con --cifre
                 --tabella, csv e json danno passo, cifre dimostrate e
                 guadagno
  --esatto       nel testo, 17 cifre significative al posto dei formati della
                 finestra, per confrontare i risultati bit per bit
  --disegno FILE il cerchio con i poligoni inscritto e circoscritto al passo
                 PASSI (da 1, l'esagono, a 500; 6*2^(PASSI-1) lati), come
                 nella finestra Esplora; il formato dall'estensione: svg, png
                 o pdf
  --grafico FILE le cifre corrette di pi greco dei due limiti binary64 e
                 quelle dimostrate dai tre metodi di --cifre, passo per passo
                 da 1 a PASSI, come nella finestra Esplora. Due FILE
                 diversi, con nomi in UTF-8; ognuno prende il posto del file
                 che c'era solo quando è completo, e se la scrittura non
                 riesce quel file resta com'era
  --dimensioni LxA  larghezza e altezza delle immagini in pixel (punti per il
                 pdf), predefinite 900x600
  --cifre N      limiti certificati con N decimali, N da 1 a 1000000: il
                 limite inferiore è pi greco troncato a N decimali, il
                 superiore un'unità in più sull'ultimo decimale. Con
                 richardson 10000 decimali chiedono centesimi di secondo,
                 100000 circa un secondo, 1000000 un paio di minuti e
                 qualche decina di MB di memoria; raddoppi e huygens sono
                 molto più lenti (huygens, minuti già a 100000)
  --metodo M     con --cifre, come leggere pi greco negli stessi poligoni:
                 raddoppi   i semiperimetri inscritto L e circoscritto U
                            (circa 0,6 cifre per raddoppio);
                 huygens    3L/(2+a) < pi greco < (2L+U)/3, dove a è
                            l'apotema (circa 1,2 cifre per raddoppio);
                 richardson (predefinito) la tabella di Romberg sui
                            quadrati dei semiperimetri inscritti (sui
                            semiperimetri con --tabella), allargata di un
                            limite dimostrato per i termini che trascura,
                            poi la radice quadrata (circa 0,3 k^2 cifre
                            dopo k raddoppi)
  --help, -h     questo aiuto
  --version      la versione

I risultati di PASSI sono calcolati in binary64, come nella finestra, e non
sono rigorosi: gli arrotondamenti si accumulano, dal passo 26 il limite
inferiore calcolato supera pi greco e dal 28 i due limiti coincidono.
--cifre rifà gli stessi raddoppi in aritmetica degli intervalli centro-raggio
(Arb), con la precisione e i passi che bastano a stringere l'intervallo sotto
10^-N (o qualche decimale oltre, finché i due estremi non concordano sui primi
N), e arrotonda per difetto il limite inferiore e per eccesso quello superiore:
le disuguaglianze stampate sono dimostrate, con ognuno dei tre metodi.

Esempi:
  archimede 5
  archimede 30 --tabella --esatto
  archimede 500 --tabella --formato csv > passi.csv
  archimede 4 --disegno poligoni.svg
  archimede 40 --grafico convergenza.png --dimensioni 1200x800
  archimede --cifre 1000
  archimede --cifre 100000 > pi.txt
  archimede --cifre 1000000 > pi-milione.txt
  archimede --cifre 300 --metodo huygens --tabella

Stato d'uscita:
)");

// The rows of "Stato d'uscita:", printed after helpText: the status in a
// column of five, a meaning longer than a line going on under itself.
struct ExitStatusRow {
    int status;
    const char* meaning;
};
constexpr std::array exitStatusRows = {
    ExitStatusRow{exitSuccess, LAVORO1_TRANSLATABLE("archimede", "riuscito")},
    ExitStatusRow{exitFailed,
                  LAVORO1_TRANSLATABLE("archimede",
                                       "calcolo o scrittura non riusciti: errore di run-time del\n"
                                       "       calcolo, immagine o uscita standard non scritta")},
    ExitStatusRow{
        exitRefused,
        LAVORO1_TRANSLATABLE("archimede", "numero di passi rifiutato o riga di comando errata")},
    ExitStatusRow{exitHangUp, LAVORO1_TRANSLATABLE("archimede", "terminale chiuso (SIGHUP)")},
    ExitStatusRow{exitInterrupted, LAVORO1_TRANSLATABLE("archimede", "interrotto con Ctrl+C")},
    ExitStatusRow{
        exitTerminated,
        LAVORO1_TRANSLATABLE("archimede", "fermato da SIGTERM (timeout, gestore di servizi)")},
};

void writeHelp(std::ostream& out) {
    out << text(helpText);
    for (const ExitStatusRow& row : exitStatusRows) {
        std::string status = std::to_string(row.status);
        status.resize(5, ' ');
        out << "  " << status << text(row.meaning) << '\n';
    }
}

constexpr const char* sidesCaption =
    LAVORO1_TRANSLATABLE("archimede", "Numero lati poligono inscritto e circoscritto: ");
// Between the two bounds.
constexpr const char* belowAndAbove = LAVORO1_TRANSLATABLE("archimede", " < costante < ");

// A run stopped by the signal of this number.
struct Interrupted {
    int signal;
};

void stopIfInterrupted(const Environment& environment) {
    if (environment.interrupted != nullptr && *environment.interrupted != 0) {
        throw Interrupted{*environment.interrupted};
    }
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

// For machines: passo, cifre and guadagno of each row, as CSV or as one JSON
// array with one object a line, written as each step is proven. Every write
// ends its line, so that the progress line, which rewrites the terminal's
// last line, never erases a row: a JSON object waits for the next, or for
// the end, to learn whether a comma follows it.
class RaceData {
public:
    RaceData(std::ostream& out, calc::OutputFormat format)
        : out_(out), json_(format == calc::OutputFormat::Json) {
        out_ << (json_ ? "[\n" : "passo,cifre,guadagno\n");
    }

    void write(const certified::RaceRow& row) {
        const int gained = row.provenDigits - previous_;
        previous_ = row.provenDigits;
        if (json_) {
            if (!pending_.empty()) {
                out_ << pending_ << ",\n";
            }
            pending_ = R"({"passo":)" + std::to_string(row.step) + R"(,"cifre":)" +
                       std::to_string(row.provenDigits) + R"(,"guadagno":)" +
                       std::to_string(gained) + '}';
        } else {
            out_ << row.step << ',' << row.provenDigits << ',' << gained << '\n';
        }
    }

    // The array closed; stopped, its last row proven is still written.
    void finish(bool complete) {
        if (!pending_.empty()) {
            out_ << pending_ << '\n';
            pending_.clear();
        }
        if (json_ && complete) {
            out_ << "]\n";
        }
    }

private:
    std::ostream& out_;
    bool json_;
    std::string pending_;
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
        << text(sidesCaption) << sidesAfter(bounds.plan.steps) << '\n';
    if (bounds.plan.method == certified::Method::Richardson) {
        out << text(LAVORO1_TRANSLATABLE("archimede", "Profondità dell'estrapolazione: "))
            << bounds.plan.depth << '\n';
    }
    writeNumber(out, bounds.lower, environment.decimalSeparator);
    out << text(belowAndAbove);
    writeNumber(out, bounds.upper, environment.decimalSeparator);
    out << '\n';
}

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

// PASSI for pictures: read and refused as the window reads and refuses it.
int runPictures(const Options& options, std::ostream& err, const Environment& environment) {
    const calc::StepCount read = calc::readStepCount(options.stepsText);
    if (!read.warning.empty()) {
        err << read.warning << '\n';
        return exitRefused;
    }
    const std::int32_t step = read.count;
    if (!environment.writePictures) {
        err << text(LAVORO1_TRANSLATABLE(
                   "archimede",
                   "archimede: questa versione è stata compilata senza Qt e non può disegnare "
                   "immagini"))
            << '\n';
        return exitRefused;
    }
    std::vector<PictureRequest> requests;
    const auto request = [&](PictureRequest::Kind kind, const std::string& path) {
        if (!path.empty()) {
            requests.push_back({kind, step, path, options.pictureWidth, options.pictureHeight,
                                environment.decimalSeparator});
        }
    };
    request(PictureRequest::Kind::Drawing, options.drawingPath);
    request(PictureRequest::Kind::Chart, options.chartPath);
    if (const std::string error = environment.writePictures(requests); !error.empty()) {
        // The message quotes the file's name: kept on one line whatever it holds.
        err << "archimede: " << runtime::printable(error) << '\n';
        return exitFailed;
    }
    stopIfInterrupted(environment);
    return exitSuccess;
}

int runSteps(const Options& options, std::ostream& out, std::ostream& err,
             const Environment& environment) {
    if (!options.drawingPath.empty() || !options.chartPath.empty()) {
        return runPictures(options, err, environment);
    }
    const std::string_view separator = environment.decimalSeparator;
    calc::Module1 module;
    const calc::ComputeOutcome outcome =
        calc::runComputeCommand(module, options.stepsText, separator);
    if (!outcome.computed) {
        err << outcome.warning << '\n';
        return exitRefused;
    }

    if (options.table) {
        const std::vector<calc::StepRow> rows = calc::stepRows(module.iterationCount);
        calc::writeRows(out, rows, options.format, options.exact, separator);
    } else if (options.format != calc::OutputFormat::Text) {
        const calc::StepRow last = calc::rowOf(module, module.iterationCount);
        calc::writeRows(out, std::span(&last, 1), options.format, options.exact, separator);
    } else if (options.exact) {
        const calc::StepRow last = calc::rowOf(module, module.iterationCount);
        out << text(sidesCaption) << calc::exactNumber(last.sides, separator) << '\n'
            << calc::exactNumber(last.lowerBound, separator) << text(belowAndAbove)
            << calc::exactNumber(last.upperBound, separator) << '\n';
    } else {
        out << text(sidesCaption) << outcome.sides << '\n'
            << outcome.lowerBound << text(belowAndAbove) << outcome.upperBound << '\n';
    }
    return exitSuccess;
}

} // namespace

int run(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
        const Environment& environment) {
    try {
        const Options options = parseOptions(arguments);
        switch (options.mode) {
        case Mode::Help:
            writeHelp(out);
            return exitSuccess;
        case Mode::Version:
            out << "archimede " << lavoro1::applicationVersion << '\n';
            return exitSuccess;
        case Mode::Digits:
            return runDigits(options, out, err, environment);
        case Mode::Steps:
            return runSteps(options, out, err, environment);
        }
        return exitSuccess;
    } catch (const UsageError& error) {
        // The message quotes the arguments: kept on one line whatever they hold.
        err << runtime::filled(
                   runtime::translated("archimede", "archimede: %1. Vedere 'archimede --help'."),
                   {runtime::printable(error.what())})
            << '\n';
        return exitRefused;
    } catch (const runtime::RuntimeError& error) {
        err << error.what() << '\n';
        return exitFailed;
    } catch (const Interrupted& interrupted) {
        err << interruptedLine() << '\n';
        return 128 + interrupted.signal;
    }
}

} // namespace archimede
