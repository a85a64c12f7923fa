#include "archimede/command.hpp"

#include "archimede/options.hpp"
#include "calc/compute_command.hpp"
#include "calc/step_rows.hpp"
#include "lavoro1/project_info.hpp"
#include "runtime/conversions.hpp"
#include "runtime/errors.hpp"
#include "runtime/printable.hpp"
#include "runtime/translatable.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>
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

std::string sidesCaptionText() {
    return text(sidesCaption);
}

std::string betweenBoundsText() {
    return text(belowAndAbove);
}

void stopIfInterrupted(const Environment& environment) {
    if (environment.interrupted != nullptr && *environment.interrupted != 0) {
        throw Interrupted{*environment.interrupted};
    }
}

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
            if (!environment.runDigits) {
                throw std::logic_error("--cifre without a program to run it");
            }
            return environment.runDigits(options, out, err, environment);
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
