#include "archimede/command.hpp"
#include "archimede/options.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using archimede::PictureRequest;

struct PictureRun {
    int status = -1;
    std::string out;
    std::string err;
    std::vector<PictureRequest> asked;
};

// archimede with a picture writer that records what it is asked and answers
// with failure (empty for success).
PictureRun runWithWriter(std::vector<std::string_view> arguments, std::string failure = {}) {
    PictureRun run;
    archimede::Environment environment;
    environment.decimalSeparator = ",";
    environment.writePictures = [&](const std::vector<PictureRequest>& requests) {
        run.asked = requests;
        return failure;
    };
    std::ostringstream out;
    std::ostringstream err;
    run.status = archimede::run(arguments, out, err, environment);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(PictureOptions, AskForTheDrawingThenTheChartOfTheStepInPlaceOfText) {
    const PictureRun run =
        runWithWriter({"4", "--grafico=c.png", "--disegno", "d.svg", "--dimensioni", "1200x800"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "") << "the pictures replace the text";
    EXPECT_EQ(run.err, "");
    ASSERT_EQ(run.asked.size(), 2u);
    EXPECT_EQ(run.asked[0].kind, PictureRequest::Kind::Drawing);
    EXPECT_EQ(run.asked[0].path, "d.svg");
    EXPECT_EQ(run.asked[1].kind, PictureRequest::Kind::Chart);
    EXPECT_EQ(run.asked[1].path, "c.png");
    for (const PictureRequest& request : run.asked) {
        EXPECT_EQ(request.step, 4);
        EXPECT_EQ(request.width, 1200);
        EXPECT_EQ(request.height, 800);
        EXPECT_EQ(request.decimalSeparator, ",");
    }
}

TEST(PictureOptions, ReadTheStepAsTheWindowDoesFromTheHexagonTo500) {
    const struct {
        std::string_view steps;
        int step;
    } accepted[] = {{"1", 1}, {"500", 500}, {"2.5", 2}, {"3.5", 4}};
    for (const auto& c : accepted) {
        SCOPED_TRACE(c.steps);
        const PictureRun run = runWithWriter({c.steps, "--disegno", "d.svg"});
        EXPECT_EQ(run.status, 0);
        ASSERT_EQ(run.asked.size(), 1u);
        EXPECT_EQ(run.asked[0].step, c.step);
        EXPECT_EQ(run.asked[0].width, 900) << "900 x 600 unless asked";
        EXPECT_EQ(run.asked[0].height, 600);
    }
    // Refused in the words of archimede PASSI without pictures, and Form1's.
    const struct {
        std::string_view steps;
        std::string_view refusal;
    } refused[] = {{"501", "Risultati inattendibili!\n"},
                   {"-1", "Inserire un numero di iterazioni da 1 a 500.\n"}};
    for (const auto& c : refused) {
        SCOPED_TRACE(c.steps);
        const PictureRun run = runWithWriter({c.steps, "--grafico", "c.svg"});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.asked.empty());
        EXPECT_EQ(run.err, c.refusal);
    }
}

TEST(PictureOptions, ReportAPictureNotWrittenWithStatusOneOnOneLine) {
    const PictureRun run =
        runWithWriter({"4", "--disegno", "/nessuna/a\nb.svg"},
                      "Impossibile scrivere '/nessuna/a\nb.svg': la cartella non esiste");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "archimede: Impossibile scrivere '/nessuna/a\\nb.svg': la cartella non esiste\n");

    archimede::Environment withoutQt;
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> arguments = {"4", "--disegno", "d.svg"};
    EXPECT_EQ(archimede::run(arguments, out, err, withoutQt), 2);
    EXPECT_NE(err.str().find("senza Qt"), std::string::npos) << err.str();
}

TEST(PictureOptions, RefuseMixingWithTextOptionsBadSizesAndBadFiles) {
    const struct {
        std::vector<std::string_view> arguments;
        const char* message;
    } lines[] = {
        {{"4", "--disegno", "d.svg", "--tabella"},
         "--disegno e --grafico non si combinano con --tabella, --esatto, --formato o --cifre"},
        {{"--cifre", "10", "--grafico", "c.svg"},
         "--disegno e --grafico non si combinano con --tabella, --esatto, --formato o --cifre"},
        {{"4", "--dimensioni", "800x600"}, "--dimensioni vale solo con --disegno o --grafico"},
        {{"4", "--disegno", "d.svg", "--dimensioni", "800"},
         "--dimensioni richiede LARGHEZZAxALTEZZA in pixel, da 16 a 10000, non '800'"},
        {{"4", "--disegno", "d.svg", "--dimensioni", "8x600"},
         "--dimensioni richiede LARGHEZZAxALTEZZA in pixel, da 16 a 10000, non '8x600'"},
        {{"4", "--disegno"}, "manca il valore di --disegno"},
        {{"4", "--disegno", ""}, "--disegno richiede il nome di un file"},
        {{"4", "--grafico="}, "--grafico richiede il nome di un file"},
        {{"4", "--disegno", "a.svg", "--grafico", "./a.svg"},
         "--disegno e --grafico richiedono due file diversi, non './a.svg' per entrambi"},
        {{"4", "--disegno", "a.svg", "--disegno", "b.svg"},
         "--disegno ripetuto: un solo FILE per immagine"},
        {{"4", "--grafico", "a.svg", "--grafico", "b.svg"},
         "--grafico ripetuto: un solo FILE per immagine"},
        {{"4", "--grafico", "convergenza.gif"},
         "--grafico: estensione sconosciuta in 'convergenza.gif': usare .svg, .png o .pdf"},
        {{"4", "--disegno", "svg"},
         "--disegno: estensione sconosciuta in 'svg': usare .svg, .png o .pdf"},
        {{"4", "--disegno", "caf\xE9.svg"},
         "--disegno: il nome 'caf\\xE9.svg' non è UTF-8 valido; archimede scrive solo nomi in "
         "UTF-8"},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(line.message);
        EXPECT_THROW(archimede::parseOptions(line.arguments), archimede::UsageError);
        const PictureRun run = runWithWriter(line.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err,
                  "archimede: " + std::string(line.message) + ". Vedere 'archimede --help'.\n");
        EXPECT_TRUE(run.asked.empty());
    }
}

} // namespace
