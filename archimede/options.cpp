#include "archimede/options.hpp"

#include "calc/pictures.hpp"
#include "calc/step_range.hpp"
#include "runtime/file_target.hpp"
#include "runtime/printable.hpp"
#include "runtime/translatable.hpp"

#include <charconv>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <utility>

namespace archimede {
namespace {

// pattern, a text of archimede, in the user's language with %1... filled in.
[[noreturn]] void refuse(const char* pattern,
                         std::initializer_list<std::string_view> arguments = {}) {
    throw UsageError(runtime::filled(runtime::translated("archimede", pattern), arguments));
}

bool looksLikeNumber(std::string_view argument) {
    return argument.size() >= 2 && argument[0] == '-' &&
           ((argument[1] >= '0' && argument[1] <= '9') || argument[1] == '.');
}

calc::OutputFormat formatNamed(std::string_view name) {
    if (name == "testo") {
        return calc::OutputFormat::Text;
    }
    if (name == "csv") {
        return calc::OutputFormat::Csv;
    }
    if (name == "json") {
        return calc::OutputFormat::Json;
    }
    refuse(LAVORO1_TRANSLATABLE("archimede", "formato sconosciuto '%1': usare testo, csv o json"),
           {name});
}

int digitsNamed(std::string_view text) {
    int digits = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), digits);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        digits < certified::minimumDigits || digits > certified::maximumDigits) {
        refuse(LAVORO1_TRANSLATABLE("archimede",
                                    "--cifre richiede un numero intero da 1 a 1000000, non '%1'"),
               {text});
    }
    return digits;
}

certified::Method methodNamed(std::string_view name) {
    if (const auto method = certified::methodNamed(name)) {
        return *method;
    }
    refuse(LAVORO1_TRANSLATABLE("archimede",
                                "metodo sconosciuto '%1': usare raddoppi, huygens o richardson"),
           {name});
}

// "LxA", each from 16 to 10000 pixels.
void readSize(std::string_view text, Options& options) {
    const auto by = text.find('x');
    const auto number = [&](std::string_view part, int& value) {
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        return !part.empty() && error == std::errc() && end == part.data() + part.size() &&
               value >= 16 && value <= 10000;
    };
    if (by == std::string_view::npos || !number(text.substr(0, by), options.pictureWidth) ||
        !number(text.substr(by + 1), options.pictureHeight)) {
        refuse(LAVORO1_TRANSLATABLE(
                   "archimede",
                   "--dimensioni richiede LARGHEZZAxALTEZZA in pixel, da 16 a 10000, non '%1'"),
               {text});
    }
}

// FILE of --disegno or --grafico, given once, not empty. Qt holds file names
// as Unicode: a name that is not UTF-8 could only be written under another.
void readPicturePath(std::string_view name, std::string_view text, std::string& path) {
    if (!path.empty()) {
        refuse(LAVORO1_TRANSLATABLE("archimede", "%1 ripetuto: un solo FILE per immagine"), {name});
    }
    if (text.empty()) {
        refuse(LAVORO1_TRANSLATABLE("archimede", "%1 richiede il nome di un file"), {name});
    }
    if (!runtime::isUtf8(text)) {
        refuse(LAVORO1_TRANSLATABLE(
                   "archimede",
                   "%1: il nome '%2' non è UTF-8 valido; archimede scrive solo nomi in UTF-8"),
               {name, text});
    }
    path = std::string(text);
}

// The same file for both pictures: the same file that writing each name
// would replace, whether there or not yet ("a.svg", "./a.svg", a link to
// it). Names that lead nowhere are compared as written, made absolute; the
// writing then says why.
bool sameFile(const std::string& first, const std::string& second) {
    const runtime::FileTarget firstTarget = runtime::resolveFileTarget(first);
    const runtime::FileTarget secondTarget = runtime::resolveFileTarget(second);
    if (firstTarget.error == 0 && secondTarget.error == 0) {
        return firstTarget.path() == secondTarget.path();
    }
    const auto normal = [](const std::string& path) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(path, error);
        return (error ? std::filesystem::path(path) : absolute).lexically_normal();
    };
    return normal(first) == normal(second);
}

// "--help", "-h" or "--version" before any "--": the mode it asks for.
std::optional<Mode> informationAsked(std::span<const std::string_view> arguments) {
    for (const std::string_view argument : arguments) {
        if (argument == "--") {
            break;
        }
        if (argument == "--help" || argument == "-h") {
            return Mode::Help;
        }
        if (argument == "--version") {
            return Mode::Version;
        }
    }
    return std::nullopt;
}

// The arguments as read, before their combination is judged.
struct Reading {
    Options options;
    std::optional<std::string> steps; // PASSI, when given
    bool digitsGiven = false;
    bool formatGiven = false;
    bool methodGiven = false;
    bool sizeGiven = false;
};

void readSteps(std::string_view argument, Reading& reading) {
    if (reading.steps) {
        refuse(LAVORO1_TRANSLATABLE("archimede", "troppi argomenti: '%1' e '%2'"),
               {*reading.steps, argument});
    }
    reading.steps = std::string(argument);
}

// The option arguments[index], with its value after '=' or as the next
// argument, which index then moves past.
void readOption(std::span<const std::string_view> arguments, std::size_t& index, Reading& reading) {
    const std::string_view argument = arguments[index];
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const auto value = [&]() -> std::string_view {
        if (equals != std::string_view::npos) {
            return argument.substr(equals + 1);
        }
        if (index + 1 == arguments.size()) {
            refuse(LAVORO1_TRANSLATABLE("archimede", "manca il valore di %1"), {name});
        }
        return arguments[++index];
    };
    const auto noValue = [&] {
        if (equals != std::string_view::npos) {
            refuse(LAVORO1_TRANSLATABLE("archimede", "%1 non accetta un valore"), {name});
        }
    };

    Options& options = reading.options;
    if (name == "--tabella") {
        noValue();
        options.table = true;
    } else if (name == "--esatto") {
        noValue();
        options.exact = true;
    } else if (name == "--formato") {
        options.format = formatNamed(value());
        reading.formatGiven = true;
    } else if (name == "--disegno") {
        readPicturePath(name, value(), options.drawingPath);
    } else if (name == "--grafico") {
        readPicturePath(name, value(), options.chartPath);
    } else if (name == "--dimensioni") {
        readSize(value(), options);
        reading.sizeGiven = true;
    } else if (name == "--cifre") {
        options.digits = digitsNamed(value());
        reading.digitsGiven = true;
    } else if (name == "--metodo") {
        options.method = methodNamed(value());
        reading.methodGiven = true;
    } else {
        refuse(LAVORO1_TRANSLATABLE("archimede", "opzione sconosciuta '%1'"), {name});
    }
}

Reading readArguments(std::span<const std::string_view> arguments) {
    Reading reading;
    bool optionsEnded = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        if (optionsEnded || !argument.starts_with('-') || argument == "-" ||
            looksLikeNumber(argument)) {
            readSteps(argument, reading);
        } else if (argument == "--") {
            optionsEnded = true;
        } else {
            readOption(arguments, index, reading);
        }
    }
    return reading;
}

// --disegno and --grafico: two different files, and nothing of a text run.
void checkPictures(const Reading& reading) {
    const Options& options = reading.options;
    const bool pictures = !options.drawingPath.empty() || !options.chartPath.empty();
    for (const auto& [option, path] : {std::pair{"--disegno", &options.drawingPath},
                                       std::pair{"--grafico", &options.chartPath}}) {
        if (!path->empty() && !calc::pictureFormatOf(*path)) {
            refuse(LAVORO1_TRANSLATABLE(
                       "archimede", "%1: estensione sconosciuta in '%2': usare .svg, .png o .pdf"),
                   {option, *path});
        }
    }
    if (!options.drawingPath.empty() && !options.chartPath.empty() &&
        sameFile(options.drawingPath, options.chartPath)) {
        refuse(LAVORO1_TRANSLATABLE(
                   "archimede",
                   "--disegno e --grafico richiedono due file diversi, non '%1' per entrambi"),
               {options.chartPath});
    }
    if (pictures &&
        (options.table || options.exact || reading.formatGiven || reading.digitsGiven)) {
        refuse(LAVORO1_TRANSLATABLE(
            "archimede", "--disegno e --grafico non si combinano con --tabella, --esatto, "
                         "--formato o --cifre"));
    }
    if (reading.sizeGiven && !pictures) {
        refuse(
            LAVORO1_TRANSLATABLE("archimede", "--dimensioni vale solo con --disegno o --grafico"));
    }
}

// --cifre N, or PASSI: exactly one of them, with the options it takes.
Options withMode(Reading reading) {
    Options options = std::move(reading.options);
    if (reading.digitsGiven) {
        if (reading.steps) {
            refuse(
                LAVORO1_TRANSLATABLE("archimede", "--cifre sceglie da sé i passi: togliere '%1'"),
                {*reading.steps});
        }
        if (options.exact || (reading.formatGiven && !options.table)) {
            refuse(LAVORO1_TRANSLATABLE(
                "archimede",
                "--cifre non si combina con --esatto, né con --formato senza --tabella"));
        }
        options.mode = Mode::Digits;
        return options;
    }
    if (reading.methodGiven) {
        refuse(LAVORO1_TRANSLATABLE("archimede", "--metodo vale solo con --cifre"));
    }
    if (!reading.steps) {
        refuse(LAVORO1_TRANSLATABLE("archimede", "manca PASSI, il numero di passi %1"),
               {calc::stepRangeText()});
    }
    options.stepsText = *reading.steps;
    return options;
}

} // namespace

Options parseOptions(std::span<const std::string_view> arguments) {
    if (const std::optional<Mode> information = informationAsked(arguments)) {
        Options options;
        options.mode = *information;
        return options;
    }
    Reading reading = readArguments(arguments);
    checkPictures(reading);
    return withMode(std::move(reading));
}

} // namespace archimede
