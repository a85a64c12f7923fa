#include "archimede/command.hpp"

#include "archimede/certified_pi.hpp"
#include "archimede/options.hpp"
#include "archimede/table.hpp"
#include "form/compute_command.hpp"
#include "lavoro1/project_info.hpp"
#include "runtime/errors.hpp"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>

namespace archimede {
namespace {

constexpr std::string_view helpText =
    R"(Uso: archimede PASSI [--tabella] [--formato testo|csv|json] [--esatto]
     archimede --cifre N
     archimede --help | --version

Limiti per pi greco con il metodo di Archimede. Dall'esagono inscritto nel
cerchio di raggio 1, ogni passo raddoppia i lati; i semiperimetri dei poligoni
inscritto e circoscritto stanno sotto e sopra pi greco.

  PASSI          numero di passi da 1 a 500, letto come nella finestra: il
                 punto separa i decimali e si arrotonda al pari (500.5 vale 500)
  --tabella      una riga per ogni passo da 1 a PASSI: passo, lati dei
                 poligoni, limite inferiore, limite superiore, differenza
  --formato F    testo (predefinito), csv o json. Il testo usa i formati della
                 finestra e il separatore decimale della lingua dell'utente;
                 csv e json usano il punto e 17 cifre significative, che si
                 rileggono nello stesso numero binary64
  --esatto       nel testo, 17 cifre significative al posto dei formati della
                 finestra, per confrontare i risultati bit per bit
  --cifre N      limiti certificati con N decimali, N da 1 a 10000
  --help, -h     questo aiuto
  --version      la versione

I risultati di PASSI sono calcolati in binary64, come nella finestra, e non
sono rigorosi: gli arrotondamenti si accumulano, dal passo 26 il limite
inferiore calcolato supera pi greco e dal 28 i due limiti coincidono.
--cifre rifà gli stessi raddoppi in aritmetica a palle (Arb), con la
precisione e i passi che bastano a stringere l'intervallo sotto 10^-N, e
arrotonda per difetto il limite inferiore e per eccesso quello superiore: le
disuguaglianze stampate sono dimostrate.

Esempi:
  archimede 5
  archimede 30 --tabella --esatto
  archimede 500 --tabella --formato csv > passi.csv
  archimede --cifre 1000

Stato d'uscita: 0 riuscito; 2 numero di passi rifiutato o riga di comando
errata; 3 errore di run-time; 130 interrotto con Ctrl+C.
)";

constexpr std::string_view sidesCaption = "Numero lati poligono inscritto e circoscritto: ";

struct Interrupted {};

// Rewrites one line of standard error once a run has lasted a second.
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
        if (now - start_ < std::chrono::seconds(1) ||
            (shown_ && now - lastShown_ < std::chrono::milliseconds(200))) {
            return;
        }
        std::string text = "archimede: passo " + std::to_string(done) + " di " +
                           std::to_string(total) + " (" + std::to_string(100 * done / total) + "%)";
        width_ = std::max(width_, text.size());
        text.resize(width_, ' ');
        err_ << '\r' << text << std::flush;
        shown_ = true;
        lastShown_ = now;
    }

    void clear() {
        if (shown_) {
            err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
            shown_ = false;
        }
    }

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& err_;
    bool enabled_;
    bool shown_ = false;
    std::size_t width_ = 0;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_;
};

std::string withSeparator(std::string number, std::string_view decimalSeparator) {
    if (const auto point = number.find('.'); point != std::string::npos) {
        number.replace(point, 1, decimalSeparator);
    }
    return number;
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

int runDigits(const Options& options, std::ostream& out, std::ostream& err,
              const Environment& environment) {
    ProgressLine progress(err, environment.progressOnTerminal);
    const CertifiedBounds bounds =
        certifyPi(options.digits, [&](std::int64_t done, std::int64_t total) {
            if (environment.interrupted != nullptr && *environment.interrupted != 0) {
                throw Interrupted{};
            }
            progress.show(done, total);
        });
    progress.clear();
    out << "Numero iterazioni: " << bounds.plan.steps << '\n'
        << sidesCaption << sidesAfter(bounds.plan.steps) << '\n'
        << withSeparator(bounds.lower, environment.decimalSeparator) << " < costante < "
        << withSeparator(bounds.upper, environment.decimalSeparator) << '\n';
    return exitSuccess;
}

int runSteps(const Options& options, std::ostream& out, std::ostream& err,
             const Environment& environment) {
    const std::string_view separator = environment.decimalSeparator;
    calc::Module1 module;
    const form::ComputeOutcome outcome =
        form::runComputeCommand(module, options.stepsText, separator);
    if (!outcome.computed) {
        err << outcome.warning << '\n';
        return exitRefused;
    }

    if (options.table) {
        const std::vector<StepRow> rows = stepRows(module.iterationCount);
        writeRows(out, rows, options.format, options.exact, separator);
    } else if (options.format != OutputFormat::Text) {
        const StepRow last = rowOf(module, module.iterationCount);
        writeRows(out, std::span(&last, 1), options.format, options.exact, separator);
    } else if (options.exact) {
        const StepRow last = rowOf(module, module.iterationCount);
        out << sidesCaption << exactNumber(last.sides, separator) << '\n'
            << exactNumber(last.lowerBound, separator) << " < costante < "
            << exactNumber(last.upperBound, separator) << '\n';
    } else {
        out << sidesCaption << outcome.sides << '\n'
            << outcome.lowerBound << " < costante < " << outcome.upperBound << '\n';
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
            out << helpText;
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
        err << "archimede: " << error.what() << " (archimede --help per l'aiuto)\n";
        return exitRefused;
    } catch (const runtime::RuntimeError& error) {
        err << "Errore di run-time '" << error.code() << "': " << error.description() << '\n';
        return exitRuntimeError;
    } catch (const Interrupted&) {
        err << "archimede: interrotto\n";
        return exitInterrupted;
    }
}

} // namespace archimede
